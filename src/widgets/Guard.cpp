#include "widgets/Guard.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"

#include <QCoreApplication>

namespace cw {

void endAfterFailure(Context& ctx, const QString& description) noexcept {
    skip([&] {
        ctx.prompts->message(QCoreApplication::translate(
                                 "cw::Guard", "Run-time error: %1\r\n\r\nCartwise will now close.")
                                 .arg(description),
                             MsgButtons::Ok, MsgIcon::Critical, QString::fromLatin1(kAppTitle));
    });
    skip([&] { ctx.settings->flush(); });
    skip([&] { ctx.programEnd->endNow(); });
}

} // namespace cw
