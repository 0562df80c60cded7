#pragma once
// Long work (a refill of a long shopping list can take a moment) runs inside a Busy scope, and
// the windows show that they are busy (the wait cursor) for as long as it lasts. Scopes nest.
#include "core/Context.h"

namespace cw {

class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

class Busy {
public:
    explicit Busy(const Context& ctx) : m_indicator(ctx.busy) {
        if (m_indicator) m_indicator->begin();
    }
    ~Busy() {
        if (m_indicator) m_indicator->end();
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    BusyIndicator* m_indicator;
};

} // namespace cw
