#pragma once
// The shopping list as the main window shows it: the grid's rows (row 0 is the header row)
// and the running total's caption. The printout and the export read the list from here.
#include <QString>

namespace cw {

class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int rowCount() const = 0;                     // header row included
    virtual QString cellText(int row, int col) const = 0; // throws Failure out of range
    virtual QString totalCaption() const = 0;
};

} // namespace cw
