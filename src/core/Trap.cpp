#include "core/Trap.h"

#include "core/Failure.h"

namespace cw {

void report(Context& ctx, const QString& prefix, const QString& description) {
    ctx.errorReporter().show(prefix + description);
}

QString describe(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QString::fromUtf8(Failure::unknown().what());
    }
}

} // namespace cw
