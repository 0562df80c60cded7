#pragma once
// The number rules of the program: how texts are read as numbers and how numbers are
// written into record fields, grid cells and labels. Every caller uses these functions.
#include <QString>
#include <QtGlobal>

namespace cw {

// The number a text begins with: spaces, tabs and line feeds are skipped wherever they stand,
// "." is the decimal point, a sign and an exponent are accepted, the first other character
// ends the number; no number in front gives 0. Throws Failure("Overflow") past a double's range.
double leadingNumber(const QString& text);
double leadingNumber(const char* bytes, int size);

// Whether the whole text, apart from surrounding blanks, is a number: optional sign, digits
// with at most one ".", optional exponent. An empty text is not a number.
bool readsAsNumber(const QString& text);

// The whole-number format ("#####"): a number is rounded to a whole number, halves away from
// zero, and 0 gives an empty text. A text that is not a number is returned as it stands.
QString formatWhole(const QString& text);
// The two-decimal format ("Fixed"): at least one digit, ".", exactly two decimals, halves
// away from zero. A text that is not a number is returned as it stands.
QString formatFixed(const QString& text);
// A number in one of those formats as the user's locale shows it: its decimal point as the
// locale writes it (a comma in German). Only what is shown changes; the files, the export and
// the printout keep the point.
QString shownNumber(const QString& text);
// The same formats for a computed number, taken at its shortest exact decimal form.
QString formatWhole(double value);
QString formatFixed(double value);

// A number as short decimal text, at most 15 significant digits ("2.5", "5").
QString shortestText(double value);

// Conversions to whole numbers, halves to the even neighbour, Failure("Overflow") out of range.
qint32 toLong(double value);
qint16 toInteger(double value);
// A text converted to a 16-bit whole number: Failure("Type mismatch") unless it reads as a
// number as a whole.
qint16 toInteger(const QString& text);

// An amount of money with four decimals: a signed 64-bit count of ten-thousandths.
class Money {
public:
    Money() = default;
    // Rounds to four decimals, halves to the even neighbour; Failure("Overflow") out of range.
    static Money fromDouble(double value);
    static Money fromUnits(qint64 units) { return Money(units); }
    qint64 units() const { return m_units; }
    Money operator+(Money other) const; // Failure("Overflow") out of range
    Money& operator+=(Money other) { return *this = *this + other; }
    bool operator==(Money other) const { return m_units == other.m_units; }
    // The two-decimal format of the amount.
    QString toFixed() const;
    // The same as ASCII into `out`, which has room for kFixedSize characters; its length.
    static constexpr int kFixedSize = 32;
    int writeFixed(char* out) const;

private:
    explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

} // namespace cw
