#include "AvailableItemsPanel.h"

#include "CaptionLabel.h"
#include "CategoryPanel.h"
#include "Dialogs.h"
#include "Guard.h"
#include "PlacedButton.h"
#include "ShoppingListPanel.h"
#include "SortedListBox.h"
#include "editor/frmItem.h"
#include "frmMain.h"
#include "platform/Twips.h"
#include "store/Records.h"
#include "store/Trap.h"
#include "store/cSourceItem.h"

#include <QLineEdit>
#include <QPushButton>

namespace cw {

AvailableItemsPanel::AvailableItemsPanel(Context& ctx, frmMain& main, QWidget* parent)
    : QGroupBox(QStringLiteral("Items in Selected Category"), parent), m_ctx(ctx), m_main(main) {
    setObjectName(QStringLiteral("fraFrame1"));
    lstAvailable = new SortedListBox(this);
    lstAvailable->setObjectName(QStringLiteral("lstAvailable"));
    lstAvailable->setGeometry(twipsRect(180, 300, 2535, 1440));
    auto button = [this](const char* name, const char* caption, int left, int top) {
        return placedButton(this, name, QString::fromLatin1(caption), left, top, 975, 375);
    };
    cmdNewItem = button("cmdNewItem", "New Item", 2820, 300);
    cmdEditItem = button("cmdEditItem", "Edit Item", 2820, 720);
    cmdDeleteItem = button("cmdDeleteItem", "Delete Item", 2820, 1140);
    cmdItemToList = button("cmdItemToList", "Item To List", 3840, 300);
    cmdCatToList = button("cmdCatToList", "All To List", 3840, 720);

    auto on = [this](QPushButton* b, void (AvailableItemsPanel::*proc)()) {
        connect(b, &QPushButton::clicked, this,
                [this, proc] { guarded(m_ctx, [&] { (this->*proc)(); }); });
    };
    on(cmdNewItem, &AvailableItemsPanel::CreateNewItem);
    on(cmdEditItem, &AvailableItemsPanel::EditSelectedItem);
    on(cmdDeleteItem, &AvailableItemsPanel::DeleteSelectedItem);
    on(cmdItemToList, &AvailableItemsPanel::AddItemToList);
    on(cmdCatToList, &AvailableItemsPanel::AddAllItemsToList);
    connect(lstAvailable, &SortedListBox::indexClicked, this,
            [this] { guarded(m_ctx, [this] { lstAvailable_Click(); }); });
    connect(lstAvailable, &SortedListBox::entryDoubleClicked, this,
            [this] { guarded(m_ctx, [this] { AddItemToList(); }); });
}

void AvailableItemsPanel::openEditor(const QString& itemId) {
    SortedListBox* lstCat = m_main.categories()->lstCat;
    const int cat = lstCat->selectedIndex();
    frmItem& editor = m_main.showItemEditor();
    editor.lblCatID->setCaption(QString::number(lstCat->itemData(cat)));
    editor.lblCategoryDesc->setCaption(QStringLiteral("Category: ") +
                                       trimSpaces(lstCat->text(cat)));
    editor.lblID->setCaption(QString());
    editor.lblID->setCaption(itemId);
    editor.txtGen(0)->setFocus();
}

void AvailableItemsPanel::CreateNewItem() {
    trap(m_ctx, QStringLiteral("frmMain.CreateNewItem_Error: "), [&] {
        if (m_main.categories()->lstCat->selectedIndex() < 0)
            return MsgBox(m_ctx, QStringLiteral("Must select category first"));
        openEditor(QStringLiteral("0"));
    });
}

void AvailableItemsPanel::EditSelectedItem() {
    trap(m_ctx, QStringLiteral("frmMain.EditSelectedItem_Error: "), [&] {
        const int index = lstAvailable->selectedIndex();
        if (index < 0) return MsgBox(m_ctx, QStringLiteral("Must select item first"));
        openEditor(QString::number(lstAvailable->itemData(index)));
    });
}

void AvailableItemsPanel::DeleteSelectedItem() {
    trap(m_ctx, QStringLiteral("frmMain.DeleteSelectedItem_Error: "), [&] {
        const int index = lstAvailable->selectedIndex();
        if (index < 0) return MsgBox(m_ctx, QStringLiteral("No item selected"));
        const qint32 id = lstAvailable->itemData(index);
        cSourceItem item(m_ctx);
        if (!item.blnFindRecord(id))
            return MsgBox(m_ctx, QStringLiteral("File error. Could not locate record"));
        if (!AskYesNo(m_ctx,
                      QStringLiteral("Delete item named ") + trimSpaces(item.strItem) +
                          QStringLiteral(" ?"),
                      QStringLiteral("Delete Item")))
            return;
        if (!item.blnDeleteRecord(id)) return;
        lstAvailable->removeAt(index);
        if (lstAvailable->count() > 0) lstAvailable->setSelectedIndex(0);
        // A deleted item leaves the shopping list's view at once.
        m_main.shoppingList()->RefreshSortList();
        m_main.shoppingList()->RefreshMainList();
    });
}

void AvailableItemsPanel::AddItemToList() {
    trap(m_ctx, QStringLiteral("frmMain.AddItemToList_Error: "), [&] {
        const int index = lstAvailable->selectedIndex();
        if (index < 0) return MsgBox(m_ctx, QStringLiteral("No item selected"));
        const qint32 id = lstAvailable->itemData(index);
        cSourceItem item(m_ctx);
        if (!item.blnFindRecord(id))
            return MsgBox(m_ctx, QStringLiteral("Item not found in source file"));
        if (trimSpaces(item.strSelectedYN.toUpper()) == QLatin1String("Y"))
            return MsgBox(m_ctx, QStringLiteral("Item already on current list"));
        item.blnSelectRecord(id, item.strQuantity);
        m_main.shoppingList()->RefreshSortList();
        m_main.shoppingList()->RefreshMainList();
    });
}

void AvailableItemsPanel::AddAllItemsToList() {
    trap(m_ctx, QStringLiteral("frmMain.AddAllItemsToList_Error: "), [&] {
        if (lstAvailable->count() == 0)
            return MsgBox(m_ctx, QStringLiteral("No items are shown in 'Available' list"));
        cSourceItem item(m_ctx);
        for (int i = 0; i < lstAvailable->count(); ++i) {
            const qint32 id = lstAvailable->itemData(i);
            item.blnFindRecord(id);
            if (item.strSelectedYN != QLatin1String("Y"))
                item.blnSelectRecord(id, item.strQuantity);
        }
        m_main.shoppingList()->RefreshSortList();
        m_main.shoppingList()->RefreshMainList();
    });
}

void AvailableItemsPanel::lstAvailable_Click() {
    trap(m_ctx, QStringLiteral("lstAvailable_Click_Error: "), [&] {
        SortedListBox* lstCat = m_main.categories()->lstCat;
        const int index = lstAvailable->selectedIndex();
        const int cat = lstCat->selectedIndex();
        frmItem* editor = m_main.itemEditor();
        if (index < 0 || cat < 0 || !m_ctx.blnItemFormLoaded || !editor) return;
        editor->lblCatID->setCaption(QString::number(lstCat->itemData(cat)));
        editor->lblID->setCaption(QString::number(lstAvailable->itemData(index)));
    });
}

} // namespace cw
