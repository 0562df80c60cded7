#pragma once
// Help menu "Importing Data from Version 5.X": replaces all current data with the categories
// and items of the old files cat.dat and src.dat found in the data directory, then ends the
// program.
#include "store/Context.h"

#include <unordered_map>

namespace cw {

// Old cat.dat: 15-byte records, the name only; the record number is the old category number.
constexpr int kOldCategoryLength = 15;
// Old src.dat: 61-byte records (description 25, quantity 5, cost 8, size 15, category number
// as a 16-bit little-endian integer, selected flag 1, selected quantity 5).
constexpr int kOldItemLength = 61;

// For each old category record that was carried over: its record number -> its new ID.
using CategoryIds = std::unordered_map<qint64, qint32>;

void mnuImportData_Click(Context& ctx);

// Adds every used record of cat.dat to the category file and notes its new ID in `ids`.
// Reports its own failures.
void ImportCategories(Context& ctx, CategoryIds& ids);

// Adds every used record of src.dat to the source item file, attached to the new ID of the
// category it belonged to. An item whose old category number names no carried-over category
// is left out; the result is the number of such items. Reports its own failures.
int ImportItems(Context& ctx, const CategoryIds& ids);

} // namespace cw
