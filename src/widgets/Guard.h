#pragma once
// The one policy for a failure that no procedure traps: every event handler of the program
// runs through guarded() (and CartwiseApplication::notify catches anything else), so no failure
// escapes into Qt's event loop. Such a failure is shown in one message and ends the program:
// the settings are written, and no window's closing steps run.
#include "core/Context.h"
#include "core/Trap.h"

namespace cw {

void endAfterFailure(Context& ctx, const QString& description) noexcept;

template <class F> void guarded(Context& ctx, F&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        endAfterFailure(ctx, describe(std::current_exception()));
    }
}

} // namespace cw
