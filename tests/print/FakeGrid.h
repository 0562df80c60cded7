#pragma once
// The shopping list grid as the printout reads it: the main window's header row and rows of
// cells, columns 0 (ID) to 6. Reading a missing cell, or any cell of failingRow, fails.
#include "store/Failure.h"
#include "store/GridSource.h"

#include <QStringList>
#include <vector>

namespace cw::test {

class FakeGrid : public GridSource {
public:
    void add(const QStringList& cells) { rows.push_back(QStringList{"0"} + cells); }
    // Rows with isle n and item "Item n", n = 1 to count.
    void addNumbered(int count) {
        for (int n = 1; n <= count; ++n)
            add({QString::number(n), QStringLiteral("Item %1").arg(n), "", "", "1", "1.00"});
    }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    QString cellText(int row, int col) const override {
        if (row == failingRow || row >= rowCount() || col > 6)
            throw Failure("Subscript out of range");
        return rows.at(row).at(col);
    }
    QString totalCaption() const override { return total; }

    std::vector<QStringList> rows{
        {"ID ", " Isle ", "Item  ", "Size ", "Category ", "Qty ", "Total  "}};
    QString total = QStringLiteral("0.00");
    int failingRow = -1;
};

} // namespace cw::test
