#pragma once
// Help menu "Importing Data from Version 5.X": replaces all current data with the categories
// and items of the old files cat.dat and src.dat found in the data directory, then ends the
// program. The new files are built aside and take the current ones' place only when the whole
// import has succeeded; after any failure the current files are left exactly as they were.
#include "core/Context.h"

#include <unordered_map>

namespace cw {

// Old cat.dat: 15-byte records, the name only; the record number is the old category number.
constexpr int kOldCategoryLength = 15;
// Old src.dat: 61-byte records (description 25, quantity 5, cost 8, size 15, category number
// as a 16-bit little-endian integer, selected flag 1, selected quantity 5).
constexpr int kOldItemLength = 61;

// For each old category record that was carried over: its record number -> its new ID.
using CategoryIds = std::unordered_map<qint64, qint32>;

void importVersion5Data(Context& ctx);

// Adds every used record of the old category file to the category file of `ctx` and notes its
// new ID in `ids`. Reports its own failures (a category the store could not add included) and
// returns false after one.
bool importCategories(Context& ctx, const QString& oldFile, CategoryIds& ids);

// Adds every used record of the old item file to the source item file of `ctx`, attached to
// the new ID of the category it belonged to. An item whose old category number names no
// carried-over category is left out and counted in `leftOut`. Reports its own failures and
// returns false after one.
bool importItems(Context& ctx, const QString& oldFile, const CategoryIds& ids, int& leftOut);

} // namespace cw
