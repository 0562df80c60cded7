#pragma once
// The "Current Shopping List" frame: the grid of the list in its sort order, the running
// total below it, the Remove, Clear and Sort buttons and the quantity keypad.
#include "store/SortedList.h"

#include <QGroupBox>

class QLabel;
class QMenu;
class QPushButton;

namespace cw {

class CaptionLabel;
class Context;
class GridSource;
class QuantityKeypad;
class ShoppingGrid;
class cSourceItem;

// A grid row of the list: ID, isle, item, size, category, quantity on the list, its cost.
QStringList shoppingRow(qint32 id, const cSourceItem& item, const QString& categoryName);

class ShoppingListPanel : public QGroupBox {
    Q_OBJECT
public:
    // `area` is the window's inner area, where the total and sort labels stand under the frame.
    ShoppingListPanel(Context& ctx, QWidget* area);

    void RefreshSortList();
    void RefreshMainList();
    // The sort order: the caption of the sort label.
    QString sortCaption() const;
    void setSortCaption(const QString& caption);
    // The list as the grid shows it, for the printout and the export.
    const GridSource& grid() const;

private:
    void ClearGrid();
    void ClearList();
    void RemoveItem();
    void Grid1_Click();
    void cmdClearList_Click();
    void cmdSortList_Click();
    // The three sort commands: set the sort label, rebuild the sort list and the grid.
    void sortBy(const QString& caption);

    Context& m_ctx;
    ShoppingGrid* Grid1;
    SortedList lstSort;             // never shown
    CaptionLabel* lblCurrentListID; // hidden
    QLabel* lblGen3;
    CaptionLabel* lblGen4;
    CaptionLabel* lblSort;
    QPushButton* cmdRemoveItem;
    QPushButton* cmdClearList;
    QPushButton* cmdSortList;
    QuantityKeypad* keypad;
    QMenu* mnuSort;
};

} // namespace cw
