#pragma once
// Ends the program at once: no window gets a further event, no unload step runs.
namespace cw {

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};

} // namespace cw
