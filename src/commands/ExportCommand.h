#pragma once
// File menu "Export Current List to Text File": writes the shopping list, as the window shows
// it, to Cartwise.txt in a directory the user names: a 300-byte record for the headings, then
// one for each row.
#include "core/Context.h"

#include <QByteArray>
#include <QStringList>

namespace cw {

constexpr int kExportRecordLength = 300;

class ShoppingListModel;

void exportList(Context& ctx, const ShoppingListModel& list);

// The line of one grid row: the six cells (isle to total) trimmed, each between double quotes
// with any quote inside doubled, joined by commas, then CR LF, in Windows-1252. When the line
// would not fit a record, the longest cell text loses its last character, again and again,
// until it fits; quotes, commas and the CR LF are never cut.
QByteArray exportLine(const QStringList& cells);

// The record of one row (-1 for the headings): its line padded with blanks to 300 bytes.
QByteArray exportRecord(const ShoppingListModel& list, int row);

} // namespace cw
