#include "widgets/Guard.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"

namespace cw {

void endAfterFailure(Context& ctx, const QString& description) noexcept {
    skip([&] {
        ctx.prompts->message(QStringLiteral("Run-time error: ") + description +
                                 QStringLiteral("\r\n\r\nCartwise will now close."),
                             MsgButtons::Ok, MsgIcon::Critical, QString::fromLatin1(kAppTitle));
    });
    skip([&] { ctx.settings->flush(); });
    skip([&] { ctx.programEnd->endNow(); });
}

} // namespace cw
