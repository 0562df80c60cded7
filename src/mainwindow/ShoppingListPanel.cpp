#include "mainwindow/ShoppingListPanel.h"

#include "core/Numbers.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "mainwindow/QuantityKeypad.h"
#include "mainwindow/ShoppingGrid.h"
#include "store/CategoryNames.h"
#include "store/Records.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"
#include "widgets/BusyCursor.h"
#include "widgets/CaptionLabel.h"
#include "widgets/Guard.h"
#include "widgets/PlacedButton.h"
#include "widgets/Twips.h"

#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace cw {

namespace {
const QString kFormat = QStringLiteral("ID |< Isle |<Item  |<Size |<Category |>Qty |>Total  ");
const std::vector<double> kWidths = {0, 0.08, 0.3, 0.16, 0.2, 0.08, 0.14};
} // namespace

ShoppingListPanel::ShoppingListPanel(Context& ctx, QWidget* area)
    : QGroupBox(QStringLiteral("Current Shopping List"), area), m_ctx(ctx) {
    setObjectName(QStringLiteral("fraFrame2"));
    Grid1 = new ShoppingGrid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setGeometry(twipsRect(180, 360, 7095, 2355));
    Grid1->setAccessibleName(title());
    Grid1->setTotalSource([this] { return lblGen4->caption(); });

    lblCurrentListID = new CaptionLabel(this);
    lblCurrentListID->setObjectName(QStringLiteral("lblCurrentListID"));
    lblCurrentListID->hide();

    auto button = [this](const char* name, const char* caption, int top) {
        return placedButton(this, name, QString::fromLatin1(caption), 7500, top, 1455, 375);
    };
    cmdRemoveItem = button("cmdRemoveItem", "Remove Item", 360);
    cmdClearList = button("cmdClearList", "Clear List", 780);
    cmdSortList = button("cmdSortList", "Sort List", 1200);
    lblGen4 = new CaptionLabel(QStringLiteral(".00"), area);
    keypad = new QuantityKeypad(ctx, *Grid1, *lblCurrentListID, *lblGen4, this);

    lblGen3 = new QLabel(QStringLiteral("Running Total $"), area);
    lblGen3->setObjectName(QStringLiteral("lblGen3"));
    lblGen3->setGeometry(twipsRect(4740, 5520, 1155, 195));
    lblGen4->setObjectName(QStringLiteral("lblGen4"));
    lblGen4->setGeometry(twipsRect(6240, 5520, 915, 195));
    lblGen4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblGen4->setAccessibleDescription(lblGen3->text()); // read with its amount
    lblSort = new CaptionLabel(area);
    lblSort->setObjectName(QStringLiteral("lblSort"));
    lblSort->setGeometry(twipsRect(7620, 5520, 1635, 195));
    // 195 twips would cut the text: one line of the font is the least height of these labels.
    for (QLabel* l : {lblGen3, static_cast<QLabel*>(lblGen4), static_cast<QLabel*>(lblSort)}) {
        l->setMinimumHeight(l->fontMetrics().height());
        l->resize(l->width(), l->fontMetrics().height() + 2);
    }

    mnuSort = new QMenu(QStringLiteral("Sort"), this);
    mnuSort->setObjectName(QStringLiteral("mnuSort"));
    QAction* mnuSortCategory = mnuSort->addAction(QStringLiteral("By Category"));
    mnuSortCategory->setObjectName(QStringLiteral("mnuSortCategory"));
    QAction* mnuSortItem = mnuSort->addAction(QStringLiteral("By Item Description"));
    mnuSortItem->setObjectName(QStringLiteral("mnuSortItem"));
    QAction* mnuSortIsle = mnuSort->addAction(QStringLiteral("By Isle #"));
    mnuSortIsle->setObjectName(QStringLiteral("mnuSortIsle"));

    auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, [this, handler] { guarded(m_ctx, handler); });
    };
    on(cmdRemoveItem, &QPushButton::clicked, [this] { RemoveItem(); });
    on(cmdClearList, &QPushButton::clicked, [this] { cmdClearList_Click(); });
    on(cmdSortList, &QPushButton::clicked, [this] { cmdSortList_Click(); });
    on(Grid1, &ShoppingGrid::gridClicked, [this] { Grid1_Click(); });
    on(Grid1, &ShoppingGrid::gridDoubleClicked, [this] { RemoveItem(); });
    auto* remove = new QShortcut(QKeySequence::Delete, Grid1, nullptr, nullptr,
                                 Qt::WidgetWithChildrenShortcut); // Delete on the list
    on(remove, &QShortcut::activated, [this] { RemoveItem(); });
    on(mnuSortCategory, &QAction::triggered,
       [this] { sortBy(QStringLiteral("Sorted by Category")); });
    on(mnuSortItem, &QAction::triggered, [this] { sortBy(QStringLiteral("Sorted by Item")); });
    on(mnuSortIsle, &QAction::triggered, [this] { sortBy(QStringLiteral("Sorted by Isle")); });
}

QString ShoppingListPanel::sortCaption() const {
    return lblSort->caption();
}

void ShoppingListPanel::setSortCaption(const QString& caption) {
    lblSort->setCaption(caption);
}

const GridSource& ShoppingListPanel::grid() const {
    return *Grid1;
}

QStringList shoppingRow(qint32 id, const cSourceItem& item, const QString& categoryName) {
    const double total = leadingNumber(item.strCost) * leadingNumber(item.strSelectedQuantity);
    return {QString::number(id),
            trimSpaces(item.strIsle),
            trimSpaces(item.strItem),
            trimSpaces(item.strSize),
            categoryName,
            formatWhole(item.strSelectedQuantity),
            Money::fromDouble(total).toFixed()};
}

void ShoppingListPanel::RefreshSortList() {
    trap(m_ctx, QStringLiteral("frmMain.RefreshSortList_Error: "), [&] {
        const BusyCursor busy;
        cSourceItem items(m_ctx);
        QString sort = trimSpaces(lblSort->caption());
        items.blnRefreshSortList(lstSort, sort);
    });
}

void ShoppingListPanel::ClearGrid() {
    skip([&] { Grid1->setRedraw(false); });
    skip([&] { Grid1->setRows(1); });
    skip([&] { Grid1->setRedraw(true); });
}

void ShoppingListPanel::RefreshMainList() {
    trap(
        m_ctx, QStringLiteral("frmMain.RefreshMainList_Error: "),
        [&] {
            const BusyCursor busy;
            ClearGrid();
            Grid1->setRedraw(false);
            Grid1->setCols(7);
            Grid1->setFormatString(kFormat);
            Grid1->setColWidthFractions(kWidths);
            cSourceItem item(m_ctx);
            if (lstSort.count() == 0) {
                Grid1->setRedraw(true);
                lblCurrentListID->setCaption(QStringLiteral("0"));
                lblGen4->setCaption(item.Calculate().toFixed());
                return;
            }
            Grid1->reserveRows(lstSort.count() + 1);
            cCategory category(m_ctx);
            for (int i = 0; i < lstSort.count(); ++i) {
                const qint32 id = lstSort.itemData(i);
                item.blnFindRecord(id);
                Grid1->addRow(shoppingRow(id, item, GetCategoryName(category, item.lngCatID)));
            }
            Grid1->setRedraw(true);
            lblGen4->setCaption(item.Calculate().toFixed());
            lblCurrentListID->setCaption(Grid1->cellText(1, 0));
            Grid1->setCurrentGridRow(1);
        },
        [&] { Grid1->setRedraw(true); });
}

void ShoppingListPanel::ClearList() {
    trap(m_ctx, QStringLiteral("frmMain.ClearList_Error: "), [&] {
        const BusyCursor busy;
        cSourceItem items(m_ctx);
        items.blnClearSelections();
        lstSort.clear();
        ClearGrid();
    });
}

void ShoppingListPanel::RemoveItem() {
    trap(m_ctx, QStringLiteral("frmMain.RemoveItem_Error: "), [&] {
        const qint32 id = toLong(leadingNumber(lblCurrentListID->caption()));
        if (id == 0)
            return MsgBox(m_ctx, QStringLiteral("No entry selected in current shopping list"));
        for (int i = 0; i < lstSort.count(); ++i) {
            if (lstSort.itemData(i) == id) {
                lstSort.removeAt(i);
                break;
            }
        }
        cSourceItem item(m_ctx);
        item.blnUnselectRecord(id);
        RefreshMainList();
    });
}

void ShoppingListPanel::Grid1_Click() {
    try {
        const int row = Grid1->currentGridRow();
        lblCurrentListID->setCaption(
            QString::number(toLong(leadingNumber(Grid1->cellText(row, 0)))));
    } catch (...) {
        lblCurrentListID->setCaption(QString());
    }
}

void ShoppingListPanel::cmdClearList_Click() {
    trap(m_ctx, QStringLiteral("frmMain.cmdClearList_Click_Error: "), [&] {
        if (!AskYesNo(m_ctx, QStringLiteral("Clear current shopping list. Are you sure ?"),
                      QStringLiteral("Clear Current Shopping List")))
            return;
        ClearList();
        lblGen4->setCaption(QStringLiteral("0.00"));
    });
}

void ShoppingListPanel::cmdSortList_Click() {
    mnuSort->popup(QCursor::pos());
}

void ShoppingListPanel::sortBy(const QString& caption) {
    lblSort->setCaption(caption);
    RefreshSortList();
    RefreshMainList();
}

} // namespace cw
