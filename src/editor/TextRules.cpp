#include "editor/TextRules.h"

#include "core/Numbers.h"
#include "core/Text.h"

#include <QChar>
#include <QList>

namespace cw {

namespace {

bool isWordSeparator(char32_t c) {
    return c == 0 || (c >= 9 && c <= 13) || c == ' ';
}

// Maps every code point on its own (simple case mapping, never one character to several).
template <class Map> QString mapCodePoints(const QString& text, Map&& map) {
    QList<uint> points = text.toUcs4();
    char32_t previous = 0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const char32_t c = points[i];
        points[i] = map(c, i == 0 || isWordSeparator(previous));
        previous = c;
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
}

} // namespace

QString properCase(const QString& text) {
    return mapCodePoints(text, [](char32_t c, bool wordStart) -> char32_t {
        const char32_t lower = QChar::toLower(c);
        return wordStart && QChar::isLetter(lower) ? QChar::toUpper(lower) : lower;
    });
}

QString upperCase(const QString& text) {
    return mapCodePoints(text, [](char32_t c, bool) -> char32_t { return QChar::toUpper(c); });
}

bool readsAsPlainNumber(const QString& text) {
    return readsAsNumber(text) && !text.contains(QLatin1Char('e'), Qt::CaseInsensitive);
}

QString normalOption(const QString& option) {
    return trimSpaces(option).toUpper();
}

QString convertByOption(const QString& text, const QString& option) {
    const QString normal = normalOption(option);
    if (normal == QLatin1String("PROPER")) return properCase(text);
    if (normal == QLatin1String("UPPER")) return upperCase(text);
    return text;
}

} // namespace cw
