#pragma once
// A failure carries the platform's description of what went wrong. Every layer throws it;
// the procedures that report failures catch it (see Trap.h).
#include <stdexcept>
#include <string>

namespace cw {

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace cw
