#pragma once
// The entry rules of the item editor's fields: the text case conversions and what a numeric
// field takes as a number. The conversions map every character on its own, so a converted text
// is as long as the text it came from.
#include <QString>

namespace cw {

// Every letter lowercase, then every letter at the start of the text or directly after a word
// separator (codes 0, 9 to 13 and the blank) uppercase. "-", "'", ".", "/" and digits are part
// of a word: "HALF-GALLON MILK" gives "Half-gallon Milk", "2lb bag" gives "2lb Bag".
QString properCase(const QString& text);
// Every letter uppercase.
QString upperCase(const QString& text);

// Whether a numeric field's text is a number the field takes: optional sign, digits with at
// most one ".", blanks around it. Exponents are not taken: "1e12" is short to type but its
// two-decimal form does not fit the ten characters that a quantity or a cost has.
bool readsAsPlainNumber(const QString& text);

// The conversion named by an option ("Proper", "Upper", "None"), compared after trimming and
// upper-casing; any other option leaves the text as it is.
QString convertByOption(const QString& text, const QString& option);
// The option in the form it is compared in: trimmed and upper-cased.
QString normalOption(const QString& option);

} // namespace cw
