#pragma once
#include "platform/ProgramEnd.h"

namespace cw {

// Hides every window and leaves the event loop: no window gets a further event and no
// close handler runs.
class QtProgramEnd : public ProgramEnd {
public:
    void endNow() override;
};

} // namespace cw
