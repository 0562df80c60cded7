#pragma once
// The "Items in Selected Category" frame: the items of the chosen category, the buttons that
// open the item editor, delete an item, and put items on the shopping list.
#include <QGroupBox>

class QPushButton;

namespace cw {

class Context;
class SortedListBox;
class frmMain;

class AvailableItemsPanel : public QGroupBox {
    Q_OBJECT
public:
    AvailableItemsPanel(Context& ctx, frmMain& main, QWidget* parent);

    SortedListBox* lstAvailable;
    QPushButton* cmdNewItem;
    QPushButton* cmdEditItem;
    QPushButton* cmdDeleteItem;
    QPushButton* cmdItemToList;
    QPushButton* cmdCatToList;

    void CreateNewItem();
    void EditSelectedItem();
    void DeleteSelectedItem();
    void AddItemToList();
    void AddAllItemsToList();
    void lstAvailable_Click();

private:
    // Opens the editor (loading it when needed) for the selected category and the given item.
    void openEditor(const QString& itemId);
    Context& m_ctx;
    frmMain& m_main;
};

} // namespace cw
