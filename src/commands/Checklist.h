#pragma once
// The shopping list to take along: a line for each row of the grid, in its order ("2 × Bread,
// 24 oz, aisle 08": the quantity, the item, the size and the aisle, those that are blank left
// out), and the total last. As plain text for a phone, as a Markdown checklist, or as
// iCalendar tasks that task programs import.
#include "core/Context.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <functional>

namespace cw {

class ShoppingListModel;

// Each row's line, in the grid's order.
QStringList checklistLines(const ShoppingListModel& list);
// "Total: $12.34", from the running total as shown.
QString checklistTotal(const ShoppingListModel& list);

// The lines and the total, one to a line (LF), in UTF-8.
QString phoneText(const ShoppingListModel& list);
// "- [ ] " and a line for each row, a blank line, and the total; the characters Markdown
// would read as formatting escaped. UTF-8, LF.
QByteArray markdownChecklist(const ShoppingListModel& list);
// A calendar named "Cartwise Shopping List" with a task (VTODO) for each row and the total as
// its description (RFC 5545): UTF-8, CRLF, lines folded at 75 octets. Each task gets the UID
// `newUid` gives and the time stamp `now` (in UTC).
QByteArray calendarChecklist(const ShoppingListModel& list, const QDateTime& now,
                             const std::function<QString()>& newUid);

// File menu "Save List as Checklist": asks where (a save dialog, in the folder used last) and
// writes the list there as Markdown or iCalendar, by the name's extension or the file type
// chosen. The file is written whole beside the old one before it takes its place.
void saveChecklist(Context& ctx, const ShoppingListModel& list);

} // namespace cw
