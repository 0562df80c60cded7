#include "core/Text.h"

namespace cw {

QString trimSpaces(const QString& text, QStringView blanks) {
    qsizetype b = 0, e = text.size();
    while (b < e && blanks.contains(text[b]))
        ++b;
    while (e > b && blanks.contains(text[e - 1]))
        --e;
    return (b == 0 && e == text.size()) ? text : text.mid(b, e - b);
}

} // namespace cw
