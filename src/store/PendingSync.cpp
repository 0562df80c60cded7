#include "store/PendingSync.h"

#include "core/Failure.h"

namespace cw {

PendingSync::~PendingSync() {
    if (m_result.valid()) m_result.wait();
}

void PendingSync::wait() {
    if (!m_result.valid()) return;
    if (const int err = m_result.get()) throw Failure::fromErrno(err);
}

} // namespace cw
