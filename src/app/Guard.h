#pragma once
// The last line of defence: every event handler of the program runs through guarded(), so a
// failure that no procedure traps never escapes into Qt's event loop. Such a failure ends the
// program with a message, the way an untrapped run-time error ends it.
#include "store/Context.h"

#include <QString>
#include <exception>

namespace cw {

// Shows the failure and ends the program (files closed, no unload steps).
void endWithError(Context& ctx, const QString& description) noexcept;

template <class F> void guarded(Context& ctx, F&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        endWithError(ctx, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        endWithError(ctx, QStringLiteral("Unknown error"));
    }
}

} // namespace cw
