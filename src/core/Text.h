#pragma once
// Trimming: the program removes blanks from the ends of texts and nothing else.
#include <QString>
#include <QStringView>

namespace cw {

// The text without the given characters at either end: by default spaces only, which is how
// every record field and grid cell is read.
QString trimSpaces(const QString& text, QStringView blanks = u" ");

} // namespace cw
