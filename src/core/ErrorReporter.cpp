#include "core/ErrorReporter.h"

#include "core/Context.h"
#include "core/Prompts.h"

namespace cw {

// "occured" is spelt as users of this program have always seen it.
void ErrorReporter::show(const QString& text) {
    m_last = text;
    m_ctx.prompts->message(QStringLiteral("An error has occured: \r\n") + text + '.',
                           MsgButtons::Ok, MsgIcon::Information, QString());
}

} // namespace cw
