#pragma once
// The orders of the shopping list: by item description, by aisle (then item), by category name
// (then item); None lists nothing.
namespace cw {

enum class SortOrder { ByItem, ByAisle, ByCategory, None };

} // namespace cw
