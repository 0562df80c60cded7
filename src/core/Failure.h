#pragma once
// A failure carries the platform's description of what went wrong. Every layer throws it;
// the procedures that report failures catch it (see Trap.h). Its text is kept as UTF-8.
#include <QString>
#include <stdexcept>
#include <string>

namespace cw {

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit Failure(const QString& description)
        : std::runtime_error(description.toUtf8().toStdString()) {}
    // The description of the C library's error number.
    static Failure fromErrno(int error);
};

} // namespace cw
