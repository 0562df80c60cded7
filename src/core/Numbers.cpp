#include "core/Numbers.h"

#include "core/Failure.h"
#include "core/Text.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace cw {
namespace {

bool isDigit(char16_t c) {
    return c >= '0' && c <= '9';
}

// strtod in the "C" locale, whatever the user's locale says about decimal points.
double cStrtod(const std::string& ascii) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(ascii.c_str(), nullptr, c);
}

// Collects the leading number of a character sequence as plain ASCII ("-12.5e3").
template <class At> std::string collectLeading(int size, At at) {
    std::string out;
    int i = 0;
    auto skipBlanks = [&] {
        while (i < size && (at(i) == ' ' || at(i) == '\t' || at(i) == '\n'))
            ++i;
    };
    auto takeDigits = [&] {
        int n = 0;
        for (skipBlanks(); i < size && isDigit(at(i)); skipBlanks(), ++n)
            out.push_back(static_cast<char>(at(i++)));
        return n;
    };
    skipBlanks();
    if (i < size && (at(i) == '-' || at(i) == '+')) out.push_back(static_cast<char>(at(i++)));
    int digits = takeDigits();
    if (i < size && at(i) == '.') {
        out.push_back('.');
        ++i;
        digits += takeDigits();
    }
    if (digits == 0) return {};
    if (i < size && (at(i) == 'e' || at(i) == 'E' || at(i) == 'd' || at(i) == 'D')) {
        const std::size_t keep = out.size();
        const int mark = i;
        ++i;
        out.push_back('e');
        skipBlanks();
        if (i < size && (at(i) == '-' || at(i) == '+')) out.push_back(static_cast<char>(at(i++)));
        if (takeDigits() == 0) {
            out.resize(keep);
            i = mark;
        }
    }
    return out;
}

// Powers of ten that a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A short plain decimal ("-12.75") is converted directly: its digits and the power of ten are
// both exact doubles, so one division gives the correctly rounded value, as strtod would.
bool quickDecimal(const std::string& ascii, double& value) {
    std::size_t i = 0;
    const bool negative = !ascii.empty() && ascii[0] == '-';
    if (!ascii.empty() && (ascii[0] == '-' || ascii[0] == '+')) ++i;
    long long mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < ascii.size(); ++i) {
        const char c = ascii[i];
        if (c == '.') {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return false; // an exponent: leave it to strtod
        if (++digits > 15) return false;
        mantissa = mantissa * 10 + (c - '0');
        if (point) ++decimals;
    }
    value = static_cast<double>(mantissa) / kPow10[decimals];
    if (negative) value = -value;
    return true;
}

double toDouble(const std::string& ascii) {
    if (ascii.empty()) return 0.0;
    double quick = 0.0;
    if (quickDecimal(ascii, quick)) return quick;
    const double value = cStrtod(ascii);
    if (std::isinf(value)) throw Failure::overflow();
    return value;
}

// A decimal number as sign, significant digits and the place of the decimal point:
// value = 0.digits x 10^point.
struct Decimal {
    bool negative = false;
    std::string digits;
    long point = 0;
};

// Parses a text that is a number as a whole; false for anything else.
bool parseDecimal(const QString& text, Decimal& out) {
    const QString t = trimSpaces(text, u" \t");
    int i = 0;
    const int n = t.size();
    out = Decimal{};
    if (i < n && (t[i] == '+' || t[i] == '-')) out.negative = t[i++] == '-';
    std::string mantissa;
    long wholeDigits = 0;
    bool seenPoint = false;
    int count = 0;
    for (; i < n; ++i) {
        const char16_t c = t[i].unicode();
        if (isDigit(c)) {
            mantissa.push_back(static_cast<char>(c));
            if (!seenPoint) ++wholeDigits;
            ++count;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (count == 0) return false;
    long exponent = 0;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (t[i] == '+' || t[i] == '-')) expNegative = t[i++] == '-';
        int expDigits = 0;
        for (; i < n && isDigit(t[i].unicode()); ++i, ++expDigits)
            if (exponent < 100000) exponent = exponent * 10 + (t[i].unicode() - '0');
        if (expDigits == 0) return false;
        if (expNegative) exponent = -exponent;
    }
    if (i != n) return false;
    // The value must be a finite double, as everywhere else in the program; only an exponent
    // or a very long number can leave that range.
    if (exponent != 0 || mantissa.size() > 300) {
        std::string ascii = (out.negative ? "-" : "") + mantissa.substr(0, wholeDigits) + "." +
                            mantissa.substr(wholeDigits) + "e" + std::to_string(exponent);
        if (std::isinf(cStrtod(ascii))) return false;
    }
    std::size_t lead = 0;
    while (lead < mantissa.size() && mantissa[lead] == '0')
        ++lead;
    out.digits = mantissa.substr(lead);
    out.point = wholeDigits - static_cast<long>(lead) + exponent;
    while (!out.digits.empty() && out.digits.back() == '0')
        out.digits.pop_back();
    // Zero has no place of its own: "0e999999" must not ask for a million zeros.
    if (out.digits.empty()) {
        out.negative = false;
        out.point = 0;
    }
    return true;
}

// Rounds to `decimals` places, halves away from zero; returns the digits with the decimal
// point placed (at least one digit before it) and the sign.
QString roundDecimal(const Decimal& d, int decimals) {
    auto digitAt = [&](long index) -> int {
        if (index < 0 || index >= static_cast<long>(d.digits.size())) return 0;
        return d.digits[static_cast<std::size_t>(index)] - '0';
    };
    if (d.point < -static_cast<long>(decimals) - 1)
        return decimals ? "0." + QString(decimals, '0') : "0";
    const long wholeCount = std::max(d.point, 1L);
    std::string all;
    for (long k = d.point - wholeCount; k < d.point + decimals; ++k)
        all.push_back(char('0' + digitAt(k)));
    if (digitAt(d.point + decimals) >= 5) {
        long k = static_cast<long>(all.size()) - 1;
        while (k >= 0 && all[k] == '9')
            all[k--] = '0';
        if (k >= 0)
            ++all[k];
        else
            all.insert(all.begin(), '1');
    }
    std::string wholePart = all.substr(0, all.size() - decimals);
    const std::string frac = all.substr(all.size() - decimals);
    std::size_t lead = 0;
    while (lead + 1 < wholePart.size() && wholePart[lead] == '0')
        ++lead;
    wholePart = wholePart.substr(lead);
    const bool zero = wholePart == "0" && frac.find_first_not_of('0') == std::string::npos;
    QString out = QString::fromLatin1((d.negative && !zero ? "-" : "") + wholePart);
    if (decimals) out += '.' + QString::fromLatin1(frac);
    return out;
}

Decimal decimalOf(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value); // shortest round-trip form
    Decimal d;
    parseDecimal(QString::fromLatin1(buf, static_cast<int>(res.ptr - buf)), d);
    return d;
}

} // namespace

double leadingNumber(const QString& text) {
    const QChar* p = text.constData();
    return toDouble(collectLeading(text.size(), [p](int i) { return p[i].unicode(); }));
}

double leadingNumber(const char* bytes, int size) {
    // The usual field: blanks, a plain decimal of up to 15 digits, blanks. Read as the general
    // way below reads it (digits and a power of ten, one division), without its detours.
    int i = 0;
    while (i < size && bytes[i] == ' ')
        ++i;
    const bool negative = i < size && bytes[i] == '-';
    if (i < size && (bytes[i] == '-' || bytes[i] == '+')) ++i;
    long long mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < size; ++i) {
        const char c = bytes[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits <= 15) mantissa = mantissa * 10 + (c - '0'); // more go the general way
            decimals += point;
        } else {
            break;
        }
    }
    int rest = i;
    while (rest < size && bytes[rest] == ' ')
        ++rest;
    if (rest == size && digits > 0 && digits <= 15) {
        const double value = static_cast<double>(mantissa) / kPow10[decimals];
        return negative ? -value : value;
    }
    return toDouble(collectLeading(size, [bytes](int i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]));
    }));
}

bool readsAsNumber(const QString& text) {
    Decimal d;
    return parseDecimal(text, d);
}

namespace {

// Texts that already are in a format come back unchanged: stored fields are read this way
// many thousand times in a row.
bool isPlainWhole(const QString& t) {
    int i = t.startsWith('-') ? 1 : 0;
    if (i >= t.size() || t[i] < '1' || t[i] > '9') return false;
    for (; i < t.size(); ++i)
        if (!isDigit(t[i].unicode())) return false;
    return t.size() < 16;
}

bool isPlainFixed(const QString& t) {
    const int n = t.size();
    int i = t.startsWith('-') ? 1 : 0;
    if (n - i < 4 || n > 16 || t[n - 3] != '.') return false;
    if (t[i] == '0' && n - i != 4) return false; // a leading zero only in "0.xx"
    for (int k = i; k < n; ++k)
        if (k != n - 3 && !isDigit(t[k].unicode())) return false;
    return !(i == 1 && t == QLatin1String("-0.00"));
}

} // namespace

QString formatWhole(const QString& text) {
    if (isPlainWhole(text)) return text;
    Decimal d;
    if (!parseDecimal(text, d)) return text;
    const QString s = roundDecimal(d, 0);
    return s == "0" ? QString() : s;
}

QString formatFixed(const QString& text) {
    if (isPlainFixed(text)) return text;
    Decimal d;
    if (!parseDecimal(text, d)) return text;
    return roundDecimal(d, 2);
}

QString formatWhole(double value) {
    if (!std::isfinite(value)) throw Failure::overflow();
    const QString s = roundDecimal(decimalOf(value), 0);
    return s == "0" ? QString() : s;
}

QString formatFixed(double value) {
    if (!std::isfinite(value)) throw Failure::overflow();
    return roundDecimal(decimalOf(value), 2);
}

QString shortestText(double value) {
    if (!std::isfinite(value)) throw Failure::overflow();
    if (value == 0) return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

qint32 toLong(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw Failure::overflow();
    return static_cast<qint32>(r);
}

qint16 toInteger(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw Failure::overflow();
    return static_cast<qint16>(r);
}

qint16 toInteger(const QString& text) {
    if (!readsAsNumber(text)) throw Failure::typeMismatch();
    return toInteger(cStrtod(trimSpaces(text, u" \t").toStdString()));
}

Money Money::fromDouble(double value) {
    const double scaled = value * 10000.0;
    if (!(std::fabs(scaled) < 9223372036854775807.0)) throw Failure::overflow();
    return Money(static_cast<qint64>(std::nearbyint(scaled)));
}

Money Money::operator+(Money other) const {
    qint64 sum = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &sum)) throw Failure::overflow();
    return Money(sum);
}

int Money::writeFixed(char* out) const {
    const bool negative = m_units < 0;
    quint64 magnitude =
        negative ? 0 - static_cast<quint64>(m_units) : static_cast<quint64>(m_units);
    const quint64 cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    char buf[kFixedSize];
    char* end = buf + sizeof buf;
    char* p = end;
    quint64 v = cents;
    *--p = static_cast<char>('0' + v % 10);
    v /= 10;
    *--p = static_cast<char>('0' + v % 10);
    v /= 10;
    *--p = '.';
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    if (negative && cents != 0) *--p = '-';
    const int length = static_cast<int>(end - p);
    std::memcpy(out, p, static_cast<std::size_t>(length));
    return length;
}

QString Money::toFixed() const {
    char buf[kFixedSize];
    return QString::fromLatin1(buf, writeFixed(buf));
}

QString shownNumber(const QString& text) {
    const QString point = QLocale().decimalPoint();
    if (point == QLatin1String(".")) return text;
    QString shown = text;
    return shown.replace(u'.', point);
}

} // namespace cw
