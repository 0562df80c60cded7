#include "Guard.h"

#include "platform/ProgramEnd.h"
#include "platform/Prompts.h"
#include "store/RecordFile.h"
#include "store/Trap.h"

namespace cw {

void endWithError(Context& ctx, const QString& description) noexcept {
    skip([&] {
        ctx.prompts->message(QStringLiteral("Run-time error: ") + description +
                                 QStringLiteral("\r\n\r\nCartwise will now close."),
                             MsgButtons::Ok, MsgIcon::Critical, ctx.appTitle);
    });
    RecordFile::closeAll();
    skip([&] { ctx.programEnd->endNow(); });
}

} // namespace cw
