#pragma once
// The three ways a procedure meets a failure:
//  - trap(): the body runs; on a failure the clean-up runs (its own failures skipped), the
//    failure is reported through objError under the procedure's prefix, and false is returned;
//  - skip(): a failing statement is passed over silently;
//  - neither: the failure passes on to the caller.
#include "core/Context.h"
#include "core/cError.h"

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

template <class Body, class Cleanup>
bool trap(Context& ctx, const QString& prefix, Body&& body, Cleanup&& cleanup) noexcept {
    try {
        body();
        return true;
    } catch (...) {
        const QString description = describe(std::current_exception());
        skip(cleanup);
        skip([&] { report(ctx, prefix, description); });
        return false;
    }
}

template <class Body> bool trap(Context& ctx, const QString& prefix, Body&& body) noexcept {
    return trap(ctx, prefix, std::forward<Body>(body), [] {});
}

} // namespace cw
