#include "core/Context.h"

#include "core/cError.h"

namespace cw {

Context::Context() = default;
Context::~Context() = default;

cError& Context::objError() {
    if (!m_error) m_error = std::make_unique<cError>(*this);
    return *m_error;
}

void Context::releaseObjError() {
    m_error.reset();
}

} // namespace cw
