#pragma once
// The wait cursor over the program's windows while long work runs.
#include "core/Busy.h"

namespace cw {

class WaitCursor : public BusyIndicator {
public:
    void begin() override;
    void end() override;
};

} // namespace cw
