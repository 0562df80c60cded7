#include "print/PrintLayout.h"

namespace cw {

namespace {

constexpr int kMarginWidth = 10;
constexpr int kGapWidth = 2;

// Blanks only, as the grid's cells are padded with blanks; other characters stay.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

const PrintLayout& PrintLayout::points8() {
    static const PrintLayout layout{{10, 30, 10, 15, 8, 15},
                                    {false, false, false, false, true, true}};
    return layout;
}

const PrintLayout& PrintLayout::points9() {
    static const PrintLayout layout{{10, 25, 10, 15, 8, 10},
                                    {false, false, false, false, true, true}};
    return layout;
}

const PrintLayout& PrintLayout::points10() {
    static const PrintLayout layout{{5, 25, 10, 10, 8, 10},
                                    {false, false, false, false, true, true}};
    return layout;
}

QString PrintLayout::line(const std::array<QString, 6>& texts) const {
    QString out = printMargin();
    for (size_t i = 0; i < widths.size(); ++i) {
        if (i > 0) out += QString(kGapWidth, QLatin1Char(' '));
        out += fitField(texts[i], widths[i], rightAligned[i]);
    }
    return out;
}

QString PrintLayout::ruleLine() const {
    QString out = printMargin();
    for (size_t i = 0; i < widths.size(); ++i) {
        if (i > 0) out += QString(kGapWidth, QLatin1Char(' '));
        out += QString(widths[i], QLatin1Char('_'));
    }
    return out;
}

QString printMargin() {
    return QString(kMarginWidth, QLatin1Char(' '));
}

QString fitField(const QString& text, int width, bool rightAligned) {
    const QString trimmed = trimBlanks(text);
    const QString cut = rightAligned ? trimmed : trimmed.left(width);
    const QString padding(width - cut.size(), QLatin1Char(' '));
    return rightAligned ? padding + cut : cut + padding;
}

} // namespace cw
