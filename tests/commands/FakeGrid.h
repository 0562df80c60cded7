#pragma once
// A shopping list grid for the commands that read it: the header row as the main window
// shows it, then the rows a test adds.
#include "store/Failure.h"
#include "store/GridSource.h"

#include <QStringList>
#include <vector>

namespace cw::test {

class FakeGrid : public GridSource {
public:
    FakeGrid() {
        rows.push_back({"ID ", " Isle ", "Item  ", "Size ", "Category ", "Qty ", "Total  "});
    }

    // Adds a data row from the six visible cells; the ID cell is the row's number.
    void add(const QString& isle, const QString& item, const QString& size, const QString& category,
             const QString& qty, const QString& total) {
        rows.push_back({QString::number(rows.size()), isle, item, size, category, qty, total});
    }

    int rowCount() const override { return static_cast<int>(rows.size()); }
    QString cellText(int row, int col) const override {
        if (row < 0 || row >= rowCount() || col < 0 || col >= rows[row].size())
            throw Failure("Subscript out of range");
        return rows[row][col];
    }
    QString totalCaption() const override { return total; }

    std::vector<QStringList> rows;
    QString total = QStringLiteral("0.00");
};

} // namespace cw::test
