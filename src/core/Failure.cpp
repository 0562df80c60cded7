#include "core/Failure.h"

#include <QCoreApplication>
#include <cstring>

namespace cw {

Failure Failure::fromErrno(int error) {
    return Failure(QString::fromLocal8Bit(std::strerror(error)));
}

namespace {
Failure described(const char* text) {
    return Failure(QCoreApplication::translate("cw::Failure", text));
}
} // namespace

Failure Failure::overflow() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Overflow"));
}

Failure Failure::typeMismatch() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Type mismatch"));
}

Failure Failure::badRecordNumber() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Bad record number"));
}

Failure Failure::subscriptOutOfRange() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Subscript out of range"));
}

Failure Failure::invalidIndex() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Invalid property array index"));
}

Failure Failure::noSuchControl() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Control array element doesn't exist"));
}

Failure Failure::unknown() {
    return described(QT_TRANSLATE_NOOP("cw::Failure", "Unknown error"));
}

} // namespace cw
