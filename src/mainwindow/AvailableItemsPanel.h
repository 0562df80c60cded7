#pragma once
// The "Items in Selected Category" frame: the chosen category's items and the buttons that
// ask for the item editor, delete an item and put items on the shopping list, a view of the
// catalogue's items. It tells its window when an item is chosen or the editor is asked for.
#include <QGroupBox>

namespace cw {

class Catalogue;
class ChoiceListView;
class Context;

class AvailableItemsPanel : public QGroupBox {
    Q_OBJECT
public:
    AvailableItemsPanel(Context& ctx, Catalogue& catalogue, QWidget* parent);

    // The chosen item's row, -1 when none is chosen.
    int chosenRow() const;

signals:
    // An item was chosen by a click, the keyboard or from code.
    void itemChosen(int row);
    void newItemRequested();
    void editItemRequested();

private:
    // Item To List (and a double click) on the chosen item.
    void putChosenOnList();

    Context& m_ctx;
    Catalogue& m_catalogue;
    ChoiceListView* m_list;
};

} // namespace cw
