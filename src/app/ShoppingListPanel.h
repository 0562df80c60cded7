#pragma once
// The "Current Shopping List" frame: the grid of the list in its sort order, the running
// total below it, and the Remove, Clear and Sort buttons. The quantity keypad sits in it too.
#include "store/SortedList.h"

#include <QGroupBox>

class QLabel;
class QMenu;
class QAction;
class QPushButton;

namespace cw {

class CaptionLabel;
class Context;
class QuantityKeypad;
class ShoppingGrid;

class ShoppingListPanel : public QGroupBox {
    Q_OBJECT
public:
    // `area` is the window's inner area, where the total and sort labels stand under the frame.
    ShoppingListPanel(Context& ctx, QWidget* area);

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
    QAction* mnuSortCategory;
    QAction* mnuSortItem;
    QAction* mnuSortIsle;

    void RefreshSortList();
    void RefreshMainList();
    void ClearGrid();
    void ClearList();
    void RemoveItem();
    void Grid1_Click();
    void cmdClearList_Click();
    void cmdSortList_Click();
    // The three sort commands: set the sort label, rebuild the sort list and the grid.
    void sortBy(const QString& caption);

private:
    Context& m_ctx;
};

} // namespace cw
