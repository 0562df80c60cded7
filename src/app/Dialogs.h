#pragma once
// Short forms for the boxes the windows show.
#include "platform/Prompts.h"
#include "store/Context.h"

namespace cw {

// An OK message box with the application title as caption.
inline void MsgBox(Context& ctx, const QString& text) {
    ctx.prompts->message(text, MsgButtons::Ok, MsgIcon::None, ctx.appTitle);
}
// A Yes/No question; true only for Yes.
inline bool AskYesNo(Context& ctx, const QString& text, const QString& caption) {
    return ctx.prompts->message(text, MsgButtons::YesNo, MsgIcon::Question, caption) ==
           MsgAnswer::Yes;
}
inline QString InputBox(Context& ctx, const QString& prompt, const QString& caption,
                        const QString& defaultText = QString()) {
    return ctx.prompts->input(prompt, caption, defaultText);
}

} // namespace cw
