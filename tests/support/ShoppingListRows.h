#pragma once
// A shopping list model filled from item records, as a refill fills it, for the tests of what
// is made from the list (the printout, the checklist, the phone's codes).
#include "TestContext.h"
#include "core/CodePage.h"
#include "model/ShoppingListModel.h"

#include <numeric>

namespace cw::test {

// Rows made from item records, each in a category of its own name.
struct ShoppingListRows {
    ShoppingListModel model;
    ListedItems items;
    QHash<qint32, QString> names;
    // aisle, item, size, category, quantity on the list, cost
    void add(const QStringList& f) {
        const qint32 category = qint32(names.size()) + 1;
        names.insert(category, f[3]);
        items.add(items.count() + 1,
                  itemRecord({toCp1252(f[1]), "1", toCp1252(f[5]), toCp1252(f[2]), category,
                              toCp1252(f[0]), "Y", toCp1252(f[4])})
                      .constData());
        std::vector<int> rows(static_cast<std::size_t>(items.count()));
        std::iota(rows.begin(), rows.end(), 0);
        model.showRows(items, rows, names);
    }
    void clear() {
        items.clear();
        names.clear();
        model.clearRows();
    }
    QStringList row(int r) const { // -1: the headings; the six texts printed
        QStringList out;
        for (int c = ShoppingListModel::Aisle; c <= ShoppingListModel::Total; ++c)
            out << (r < 0 ? ShoppingListModel::heading(c) : model.cell(r, c));
        return out;
    }
};

} // namespace cw::test
