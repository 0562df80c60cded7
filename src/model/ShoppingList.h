#pragma once
// The user's commands on the shopping list: rebuild its order, refill its rows, choose a row,
// set a row's quantity, remove a row, clear the list and sort it. The list itself lives in the
// item file (each item's list mark and quantity on the list); between commands this keeps only
// what the window shows: the order of the rows, the rows as the last refill read them, the
// chosen row's item, the sort order and the total.
#include "core/Context.h"
#include "model/ShoppingListModel.h"
#include "store/SortOrder.h"

#include <QObject>
#include <optional>
#include <vector>

namespace cw {

class ShoppingList : public QObject {
    Q_OBJECT
public:
    explicit ShoppingList(Context& ctx, QObject* parent = nullptr);

    ShoppingListModel& model() { return m_model; }
    const ShoppingListModel& model() const { return m_model; }

    // The sort order as the settings keep it, in every language: "Sorted by Item", "Sorted by
    // Isle" or "Sorted by Category" (read trimmed, in any letter case; any other text lists
    // nothing, and is kept as it is).
    QString sortCaption() const { return m_sortCaption; }
    void setSortCaption(const QString& caption);
    static QString captionOf(SortOrder order);
    static SortOrder orderOf(const QString& caption);
    // The sort order as the label below the list shows it, in the user's language; a stored
    // text that names no order is shown as it is.
    QString sortLabel() const;
    static QString labelOf(SortOrder order);

    // The item of the chosen row, 0 when none is chosen.
    qint32 chosenId() const { return m_chosenId; }

    // The order rebuilt from the item file, then the rows refilled (after the list changed).
    void refresh();
    // The rows refilled in the order they have, every one read afresh, and the total.
    void refillRows();
    // A new sort order, and the list refreshed in it.
    void sortBy(SortOrder order);
    // A click on a row: its item becomes the chosen one.
    void choose(int row);
    // A quantity button on `currentRow` (the grid's current row, -1 for none): `caption` is
    // the button's caption, "?" to ask for any quantity. Acts only on the chosen row.
    void setQuantity(int currentRow, const QString& caption);
    // Remove Item: takes the chosen row's item off the list.
    void removeChosen();
    // Clear List: asks, then takes every item off the list.
    void clear();

signals:
    void sortLabelChanged(const QString& label);
    // Rows were refilled: the view makes the first row current, as the chosen one is.
    void refilled();

private:
    struct ReadList {
        ListedItems items;
        std::vector<int> rows;
    };
    std::optional<ReadList> rebuildOrder();
    void refillRows(std::optional<ReadList> fresh);
    void clearAll();
    QHash<qint32, QString> categoryNames(const ListedItems& items, const std::vector<int>& rows);

    Context& m_ctx;
    ShoppingListModel m_model;
    QString m_sortCaption;
    std::vector<qint32> m_order; // the items of the rows, in the list's order
    qint32 m_chosenId = 0;
};

} // namespace cw
