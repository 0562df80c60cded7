#include "core/Context.h"

#include "core/ErrorReporter.h"

namespace cw {

Context::Context() = default;
Context::~Context() = default;

ErrorReporter& Context::errorReporter() {
    if (!m_error) m_error = std::make_unique<ErrorReporter>(*this);
    return *m_error;
}

void Context::releaseErrorReporter() {
    m_error.reset();
}

} // namespace cw
