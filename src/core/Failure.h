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
    // The program's own failures, described in the user's language.
    static Failure overflow();            // "Overflow": a number past its range
    static Failure typeMismatch();        // "Type mismatch": a text that is no number
    static Failure badRecordNumber();     // "Bad record number": a record number below 1
    static Failure subscriptOutOfRange(); // "Subscript out of range": no such grid row
    static Failure invalidIndex();        // "Invalid property array index": no such entry
    static Failure noSuchControl();       // "Control array element doesn't exist"
    static Failure unknown();             // "Unknown error": what was thrown says nothing
};

} // namespace cw
