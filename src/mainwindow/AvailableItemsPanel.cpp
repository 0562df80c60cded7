#include "mainwindow/AvailableItemsPanel.h"

#include "core/Prompts.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "store/SyncScope.h"
#include "store/cSourceItem.h"
#include "widgets/BusyCursor.h"
#include "widgets/Guard.h"
#include "widgets/PlacedButton.h"
#include "widgets/SortedListBox.h"
#include "widgets/Twips.h"

#include <QPushButton>

namespace cw {

AvailableItemsPanel::AvailableItemsPanel(Context& ctx, QWidget* parent)
    : QGroupBox(QStringLiteral("Items in Selected Category"), parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("fraFrame1"));
    lstAvailable = new SortedListBox(this);
    lstAvailable->setObjectName(QStringLiteral("lstAvailable"));
    lstAvailable->setGeometry(twipsRect(180, 300, 2535, 1440));
    lstAvailable->setAccessibleName(title());
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
    on(cmdDeleteItem, &AvailableItemsPanel::DeleteSelectedItem);
    on(cmdItemToList, &AvailableItemsPanel::AddItemToList);
    on(cmdCatToList, &AvailableItemsPanel::AddAllItemsToList);
    connect(cmdNewItem, &QPushButton::clicked, this, &AvailableItemsPanel::newItemRequested);
    connect(cmdEditItem, &QPushButton::clicked, this, &AvailableItemsPanel::editItemRequested);
    connect(lstAvailable, &SortedListBox::indexClicked, this,
            [this] { emit itemChosen(chosenId()); });
    // A double click puts the item on the list as Item To List does.
    connect(lstAvailable, &SortedListBox::entryDoubleClicked, this,
            [this] { guarded(m_ctx, [this] { AddItemToList(); }); });
}

void AvailableItemsPanel::showCategory(qint32 catId) {
    lstAvailable->clear();
    if (catId == 0) return;
    const BusyCursor busy;
    cSourceItem items(m_ctx);
    items.blnRefreshList(*lstAvailable, catId);
}

qint32 AvailableItemsPanel::chosenId() const {
    const int index = lstAvailable->selectedIndex();
    return index < 0 ? 0 : lstAvailable->itemData(index);
}

void AvailableItemsPanel::addAndChoose(qint32 id, const QString& description) {
    lstAvailable->addEntry(description, id);
    lstAvailable->setSelectedIndex(lstAvailable->newIndex());
}

void AvailableItemsPanel::renameChosen(qint32 id, const QString& description) {
    const int index = lstAvailable->selectedIndex();
    if (index >= 0 && lstAvailable->itemData(index) == id)
        lstAvailable->setText(index, description);
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
        emit listChanged(); // a deleted item leaves the shopping list's view at once
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
        emit listChanged();
    });
}

void AvailableItemsPanel::AddAllItemsToList() {
    trap(m_ctx, QStringLiteral("frmMain.AddAllItemsToList_Error: "), [&] {
        if (lstAvailable->count() == 0)
            return MsgBox(m_ctx, QStringLiteral("No items are shown in 'Available' list"));
        const BusyCursor busy;
        cSourceItem item(m_ctx);
        SyncScope scope; // the item file synced once, not once an item
        for (int i = 0; i < lstAvailable->count(); ++i) {
            const qint32 id = lstAvailable->itemData(i);
            item.blnFindRecord(id);
            // Compared as the store gives it, without folding case as Item To List does.
            if (item.strSelectedYN != QLatin1String("Y"))
                item.blnSelectRecord(id, item.strQuantity);
        }
        try {
            scope.finish();
        } catch (...) {
            emit listChanged(); // the records are written: the list shows them all the same
            throw;
        }
        emit listChanged();
    });
}

} // namespace cw
