#pragma once
// File menu "Export Current List to Text File": writes the shopping list, as the window shows
// it, to Cartwise.txt in a directory the user names: a 300-byte record for the headings, then
// one for each row.
#include "core/Context.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <array>

namespace cw {

constexpr int kExportRecordLength = 300;
constexpr int kExportFields = 6; // Isle, Item, Size, Category, Qty, Total

class ShoppingListModel;

void exportList(Context& ctx, const ShoppingListModel& list);

// The line of one grid row: the six cells (isle to total) trimmed, each between double quotes
// with any quote inside doubled, joined by commas, then CR LF, in Windows-1252. When the line
// would not fit a record, the longest cell text loses its last character, again and again,
// until it fits; quotes, commas and the CR LF are never cut.
QByteArray exportLine(const QStringList& cells);

// The record of one row's six cells (Windows-1252, trimmed), appended to `out`: its line as
// above, padded with blanks to 300 bytes.
void appendExportRecord(const std::array<QByteArrayView, kExportFields>& cells, QByteArray& out);

} // namespace cw
