#pragma once
// The boxes the program shows to the user: messages, Yes/No questions and input boxes.
// The real implementation (platform/QtPrompts) uses QMessageBox and QInputDialog; tests use a
// scripted fake. It is the one seam the core itself needs: the error reporter shows its
// report through it.
#include "core/Context.h"
#include "core/Version.h"

#include <QString>
#include <QStringList>

namespace cw {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows a modal message box; the caption is shown exactly as given (it may be empty).
    virtual MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& caption) = 0;
    // Shows a modal input box; returns the typed text, or an empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& caption,
                          const QString& defaultText) = 0;
    // Asks where to save a file (a save dialog that asks before a file is replaced), starting
    // at `suggested` (a folder and a name) with these file types (`chosen`, the one shown);
    // returns the path, or an empty text on Cancel, and the file type chosen in `chosen`. Boxes
    // that cannot show one (a benchmark's) cancel it.
    virtual QString saveFile(const QString& /*caption*/, const QString& /*suggested*/,
                             const QStringList& /*types*/, QString& /*chosen*/) {
        return {};
    }
};

// Short forms of the boxes. A box given no caption of its own shows the application title.
inline QString appTitle() {
    return QString::fromLatin1(kAppTitle);
}
// An OK message box with the application title as caption.
inline void MsgBox(Context& ctx, const QString& text) {
    ctx.prompts->message(text, MsgButtons::Ok, MsgIcon::None, appTitle());
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
