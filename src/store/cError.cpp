#include "cError.h"

#include "Context.h"
#include "platform/Prompts.h"

namespace cw {

void cError::ShowIt() {
    m_ctx.prompts->message(QStringLiteral("An error has occured: \r\n") + strError + '.',
                           MsgButtons::Ok, MsgIcon::Information, QString());
}

Context::Context() = default;
Context::~Context() = default;

cError& Context::objError() {
    if (!m_error) m_error = std::make_unique<cError>(*this);
    return *m_error;
}

void Context::releaseObjError() { m_error.reset(); }

} // namespace cw
