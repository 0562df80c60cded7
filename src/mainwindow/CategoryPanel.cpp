#include "mainwindow/CategoryPanel.h"

#include "core/Prompts.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"
#include "widgets/Guard.h"
#include "widgets/PlacedButton.h"
#include "widgets/SortedListBox.h"
#include "widgets/Twips.h"

#include <QPushButton>

namespace cw {

CategoryPanel::CategoryPanel(Context& ctx, QWidget* parent)
    : QGroupBox(QStringLiteral("Categories"), parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("fraFrame0"));
    lstCat = new SortedListBox(this);
    lstCat->setObjectName(QStringLiteral("lstCat"));
    lstCat->setGeometry(twipsRect(180, 300, 2475, 1440));
    lstCat->setAccessibleName(title()); // a screen reader names the list by its frame
    auto button = [this](const char* name, const char* caption, int top) {
        return placedButton(this, name, QString::fromLatin1(caption), 2760, top, 975, 375);
    };
    cmdNewCat = button("cmdNewCat", "New Cat", 300);
    cmdEditCat = button("cmdEditCat", "Edit Cat", 720);
    cmdDeleteCat = button("cmdDeleteCat", "Delete Cat", 1140);

    connect(cmdNewCat, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { CreateNewCategory(); }); });
    connect(cmdEditCat, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { EditSelectedCategory(); }); });
    connect(cmdDeleteCat, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { DeleteSelectedCategory(); }); });
    connect(lstCat, &SortedListBox::indexClicked, this,
            [this] { emit categoryChosen(chosenId()); });
}

qint32 CategoryPanel::chosenId() const {
    const int index = lstCat->selectedIndex();
    return index < 0 ? 0 : lstCat->itemData(index);
}

QString CategoryPanel::chosenName() const {
    const int index = lstCat->selectedIndex();
    return index < 0 ? QString() : lstCat->text(index);
}

void CategoryPanel::CreateNewCategory() {
    trap(m_ctx, QStringLiteral("frmMain.CreateNewCategory_Error: "), [&] {
        const QString name = InputBox(m_ctx, QStringLiteral("Enter new category name"),
                                      QStringLiteral("New Category"));
        if (trimSpaces(name).isEmpty()) return;
        cCategory cat(m_ctx);
        cat.strCategory = name;
        const qint32 id = cat.lngAddRecord();
        if (id == 0) return;
        lstCat->addEntry(cat.strCategory, id);
        lstCat->setSelectedIndex(lstCat->newIndex());
    });
}

void CategoryPanel::RefreshCategoryList() {
    trap(m_ctx, QStringLiteral("frmMain.RefreshCategoryList_Error: "), [&] {
        cCategory cat(m_ctx);
        cat.blnRefreshList(*lstCat);
        if (lstCat->count() > 0) lstCat->setSelectedIndex(0);
    });
}

// The selected category read from the file, or a message saying why there is none.
bool CategoryPanel::readSelected(cCategory& cat, int& index, qint32& id) {
    index = lstCat->selectedIndex();
    if (index < 0) {
        MsgBox(m_ctx, QStringLiteral("No category selected"));
        return false;
    }
    id = lstCat->itemData(index);
    if (cat.blnFindRecord(id)) return true;
    MsgBox(m_ctx, QStringLiteral("File error. Could not locate record"));
    return false;
}

void CategoryPanel::EditSelectedCategory() {
    trap(m_ctx, QStringLiteral("frmMain.EditSelectedCategory_Error: "), [&] {
        cCategory cat(m_ctx);
        int index = -1;
        qint32 id = 0;
        if (!readSelected(cat, index, id)) return;
        if (!AskYesNo(m_ctx,
                      QStringLiteral("Edit category named ") + trimSpaces(cat.strCategory) +
                          QStringLiteral(" ?"),
                      QStringLiteral("Edit Category")))
            return;
        const QString name =
            InputBox(m_ctx, QStringLiteral("Enter revised category name"), appTitle());
        if (trimSpaces(name).isEmpty()) return;
        cat.strCategory = trimSpaces(name);
        // Renamed in place: the list is sorted again only at the next start.
        if (cat.blnEditRecord(id)) lstCat->setText(index, trimSpaces(cat.strCategory));
    });
}

void CategoryPanel::DeleteSelectedCategory() {
    trap(m_ctx, QStringLiteral("frmMain.DeleteSelectedCategory_Error: "), [&] {
        cCategory cat(m_ctx);
        int index = -1;
        qint32 id = 0;
        if (!readSelected(cat, index, id)) return;
        if (!AskYesNo(m_ctx,
                      QStringLiteral("Delete category named ") + trimSpaces(cat.strCategory) +
                          QStringLiteral(" and all related source items ?"),
                      QStringLiteral("Delete Category")))
            return;
        if (!cat.blnDeleteRecord(id)) return;
        cSourceItem items(m_ctx);
        items.blnDeleteCategory(id);
        lstCat->removeAt(index);
        emit categoryDeleted();
        if (lstCat->count() > 0) lstCat->setSelectedIndex(0);
        // The deleted items leave the shopping list's view at once, so that no later refill
        // reads them back.
        emit listChanged();
    });
}

} // namespace cw
