#pragma once
// The column layouts of the printed shopping list. A print line is the 10-blank margin followed
// by six fields (Isle, Item, Size, Category, Qty, Total) joined with two blanks; each layout
// fixes the fields' widths and alignments for one printer font size.
#include <QString>
#include <array>

namespace cw {

struct PrintLayout {
    std::array<int, 6> widths;
    std::array<bool, 6> rightAligned;

    // The layouts for 8, 9 and 10 points: 108, 98 and 88 characters a line.
    static const PrintLayout& points8();
    static const PrintLayout& points9();
    static const PrintLayout& points10();

    // The line of six texts, each fitted into its field.
    QString line(const std::array<QString, 6>& texts) const;
    // The line of underscores under the headings, one run as long as each field.
    QString ruleLine() const;
};

// The left margin that begins every non-empty print line.
QString printMargin();

// A text fitted into a field: trimmed of blanks, padded with blanks on the right (left-aligned)
// or on the left (right-aligned). A left-aligned text is cut to its first `width` characters;
// a right-aligned one (a number) is never cut and widens the line instead.
QString fitField(const QString& text, int width, bool rightAligned);

} // namespace cw
