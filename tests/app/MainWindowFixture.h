#pragma once
// A main window on a fresh data directory, with helpers to reach its controls and to put
// records into the files the way the program itself would.
#include "TestContext.h"
#include "app/AvailableItemsPanel.h"
#include "app/CaptionLabel.h"
#include "app/CategoryPanel.h"
#include "app/QuantityKeypad.h"
#include "app/ShoppingGrid.h"
#include "app/ShoppingListPanel.h"
#include "app/SortedListBox.h"
#include "app/frmMain.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace cw::test {

struct ItemSpec {
    QString item, quantity, cost, size, isle;
    qint32 catId;
};

class MainWindowTest : public ::testing::Test {
protected:
    TestContext t;
    std::unique_ptr<frmMain> w;

    void start() { w = std::make_unique<frmMain>(t.ctx); }
    void restart() {
        w.reset();
        start();
    }

    qint32 addCategory(const QString& name) {
        cCategory c(t.ctx);
        c.strCategory = name;
        return c.lngAddRecord();
    }
    qint32 addItem(const ItemSpec& s) {
        cSourceItem i(t.ctx);
        i.strItem = s.item;
        i.strQuantity = s.quantity;
        i.strCost = s.cost;
        i.strSize = s.size;
        i.strIsle = s.isle;
        i.lngCatID = s.catId;
        return i.lngAddRecord();
    }

    CategoryPanel& cats() { return *w->categories(); }
    AvailableItemsPanel& items() { return *w->available(); }
    ShoppingListPanel& list() { return *w->shoppingList(); }
    SortedListBox& lstCat() { return *cats().lstCat; }
    SortedListBox& lstAvailable() { return *items().lstAvailable; }
    ShoppingGrid& grid() { return *list().Grid1; }
    QString total() { return list().lblGen4->caption(); }
    QString selectedId() { return list().lblCurrentListID->caption(); }

    void click(QPushButton* b) { b->click(); }
    void clickKey(int index) { list().keypad->cmdNum.at(index)->click(); }

    // The texts of a list box, in order.
    static QStringList texts(const ListTarget& l) {
        QStringList out;
        for (int i = 0; i < l.count(); ++i)
            out << l.text(i);
        return out;
    }
    // Column `col` of every data row of the grid.
    QStringList column(int col) {
        QStringList out;
        for (int r = 1; r < grid().rowCount(); ++r)
            out << grid().cellText(r, col);
        return out;
    }
    // Selects the list entry with this text, as a user click does.
    static void choose(SortedListBox& l, const QString& text) {
        for (int i = 0; i < l.count(); ++i)
            if (l.text(i) == text) return l.setSelectedIndex(i);
        FAIL() << "no entry " << text.toStdString();
    }
    // Selects the grid row whose item column holds this text, as a user click does.
    void chooseRow(const QString& item) {
        for (int r = 1; r < grid().rowCount(); ++r) {
            if (grid().cellText(r, 2) == item) {
                grid().setCurrentGridRow(r);
                list().Grid1_Click();
                return;
            }
        }
        FAIL() << "no row " << item.toStdString();
    }
    QByteArray itemBytes(qint32 id) { return readFile(t.srcFile()).mid((id - 1) * 235, 235); }
};

} // namespace cw::test
