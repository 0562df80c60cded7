#pragma once
// Windows-1252, the single-byte code page of every text field and of the export file.
#include <QByteArray>
#include <QString>

namespace cw {

// Decodes bytes; the five bytes the code page leaves undefined map to U+0081, U+008D,
// U+008F, U+0090 and U+009D, so every byte round-trips.
QString fromCp1252(const char* data, int size);
inline QString fromCp1252(const QByteArray& bytes) {
    return fromCp1252(bytes.constData(), bytes.size());
}
// Encodes text; a character the code page lacks becomes "?".
QByteArray toCp1252(const QString& text);

} // namespace cw
