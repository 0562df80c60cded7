#include "core/Failure.h"

#include <cstring>

namespace cw {

Failure Failure::fromErrno(int error) {
    return Failure(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace cw
