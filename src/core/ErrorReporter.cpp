#include "core/ErrorReporter.h"

#include "core/Context.h"
#include "core/Prompts.h"

#include <QCoreApplication>

namespace cw {

// "occured" is spelt as users of this program have always seen it. The report's prefix (the
// procedure that met the failure) is no language, and stays as it is in every one.
void ErrorReporter::show(const QString& text) {
    m_last = text;
    m_ctx.prompts->message(
        QCoreApplication::translate("cw::ErrorReporter", "An error has occured: ") +
            QStringLiteral("\r\n") + text + '.',
        MsgButtons::Ok, MsgIcon::Information, QString());
}

} // namespace cw
