#pragma once
// The three ways a procedure meets a failure:
//  - trap(): the body runs; on a failure the clean-up runs (its own failures skipped), the
//    failure is reported through the shared reporter under the procedure's prefix, and false is
//    returned;
//  - skip(): a failing statement is passed over silently;
//  - neither: the failure passes on to the caller.
#include "core/Context.h"
#include "core/ErrorReporter.h"

#include <QString>
#include <exception>

namespace cw {

template <class F> void skip(F&& statement) noexcept {
    try {
        statement();
    } catch (...) {
    }
}

// Shows "prefix + description" through the shared reporter.
void report(Context& ctx, const QString& prefix, const QString& description);
QString describe(const std::exception_ptr& failure);

// A prefix is text, or Latin-1 made into text only when there is a failure to report (the
// store's operations run thousands of times in a refill).
inline QString prefixText(const QString& prefix) {
    return prefix;
}
inline QString prefixText(const char* prefix) {
    return QString::fromLatin1(prefix);
}

template <class Prefix, class Body, class Cleanup>
bool trap(Context& ctx, const Prefix& prefix, Body&& body, Cleanup&& cleanup) noexcept {
    try {
        body();
        return true;
    } catch (...) {
        const QString description = describe(std::current_exception());
        skip(cleanup);
        skip([&] { report(ctx, prefixText(prefix), description); });
        return false;
    }
}

template <class Prefix, class Body>
bool trap(Context& ctx, const Prefix& prefix, Body&& body) noexcept {
    return trap(ctx, prefix, std::forward<Body>(body), [] {});
}

} // namespace cw
