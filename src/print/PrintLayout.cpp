#include "print/PrintLayout.h"

#include "core/Text.h"

namespace cw {

namespace {

constexpr int kMarginWidth = 10;
constexpr int kGapWidth = 2;

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
    const QString trimmed = trimSpaces(text);
    const QString cut = rightAligned ? trimmed : trimmed.left(width);
    const QString padding(width - cut.size(), QLatin1Char(' '));
    return rightAligned ? padding + cut : cut + padding;
}

} // namespace cw
