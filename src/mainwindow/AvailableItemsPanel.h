#pragma once
// The "Items in Selected Category" frame: the items of the chosen category, the buttons that
// ask for the item editor, delete an item and put items on the shopping list. It tells its
// window through signals when an item is chosen, the editor is asked for, or the list changed.
#include <QGroupBox>

class QPushButton;

namespace cw {

class Context;
class SortedListBox;

class AvailableItemsPanel : public QGroupBox {
    Q_OBJECT
public:
    AvailableItemsPanel(Context& ctx, QWidget* parent);

    // Empties the list and fills it with the items of this category (none for 0). A failure
    // passes to the caller.
    void showCategory(qint32 catId);
    // The chosen item's ID, 0 when none is chosen.
    qint32 chosenId() const;
    // After the item editor saved: a new item joins the list and is chosen (which runs the
    // click handler), an existing one that is chosen takes its new description in place.
    void addAndChoose(qint32 id, const QString& description);
    void renameChosen(qint32 id, const QString& description);

signals:
    // lstAvailable_Click: an item was chosen by a click, the keyboard or from code.
    void itemChosen(qint32 id);
    void newItemRequested();
    void editItemRequested();
    // Items came onto or left the shopping list.
    void listChanged();

private:
    void DeleteSelectedItem();
    void AddItemToList();
    void AddAllItemsToList();

    Context& m_ctx;
    SortedListBox* lstAvailable;
    QPushButton* cmdNewItem;
    QPushButton* cmdEditItem;
    QPushButton* cmdDeleteItem;
    QPushButton* cmdItemToList;
    QPushButton* cmdCatToList;
};

} // namespace cw
