#include "core/cError.h"

#include "core/Context.h"
#include "core/Prompts.h"

namespace cw {

// "occured" is spelt as users of this program have always seen it.
void cError::ShowIt() {
    m_ctx.prompts->message(QStringLiteral("An error has occured: \r\n") + strError + '.',
                           MsgButtons::Ok, MsgIcon::Information, QString());
}

} // namespace cw
