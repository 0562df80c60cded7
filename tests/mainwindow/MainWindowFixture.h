#pragma once
// A main window shown on a fresh data directory, driven the way a user drives it: mouse clicks
// on buttons, on list rows and on grid rows, found by their control names. Records are put into
// the files the way the program itself writes them.
#include "TestContext.h"
#include "mainwindow/ShoppingGrid.h"
#include "mainwindow/frmMain.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
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

    void start() {
        w = std::make_unique<frmMain>(t.ctx);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    void restart() {
        w.reset();
        start();
    }

    qint32 addCategory(const QString& name) {
        cCategory c(t.ctx);
        c.strCategory = name;
        return c.lngAddRecord();
    }
    qint32 addItem(const ItemSpec& s, const QString& onList = QString()) {
        cSourceItem i(t.ctx);
        i.strItem = s.item;
        i.strQuantity = s.quantity;
        i.strCost = s.cost;
        i.strSize = s.size;
        i.strIsle = s.isle;
        i.lngCatID = s.catId;
        const qint32 id = i.lngAddRecord();
        if (!onList.isNull()) cSourceItem(t.ctx).blnSelectRecord(id, onList);
        return id;
    }

    template <class T = QWidget> T* find(const QString& name) {
        T* control = w->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    void click(const QString& button) {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    // A click, or a double click: a click, then the second press and its release.
    static void click(QWidget* widget, QPoint at, bool twice) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        if (!twice) return;
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }
    void clickKey(int index) { click(QStringLiteral("cmdNum%1").arg(index)); }
    void trigger(const QString& action) { find<QAction>(action)->trigger(); }
    QString caption(const QString& label) { return find<QLabel>(label)->text(); }
    QString total() { return caption("lblGen4"); }
    QString selectedId() { return caption("lblCurrentListID"); }

    // The texts of a list box, in order, and the row the user has chosen (-1 for none).
    QStringList texts(const QString& list) {
        QStringList out;
        auto* l = find<QListWidget>(list);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    int chosen(const QString& list) {
        const auto selected = find<QListWidget>(list)->selectedItems();
        return selected.isEmpty() ? -1 : find<QListWidget>(list)->row(selected.first());
    }
    // A mouse click (or double click) on the list entry with this text.
    void choose(const QString& list, const QString& text, bool twice = false) {
        auto* l = find<QListWidget>(list);
        const auto found = l->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        l->scrollToItem(found.first());
        const QPoint at = l->visualItemRect(found.first()).center();
        click(l->viewport(), at, twice);
    }

    ShoppingGrid& grid() { return *find<ShoppingGrid>("Grid1"); }
    // Column `col` of every data row of the grid.
    QStringList column(int col) {
        QStringList out;
        for (int r = 1; r < grid().rowCount(); ++r)
            out << grid().cellText(r, col);
        return out;
    }
    // A mouse click (or double click) on the grid row whose item column holds this text.
    void chooseRow(const QString& item, bool twice = false) {
        const int row = column(2).indexOf(item);
        ASSERT_GE(row, 0) << item.toStdString();
        const QPoint at = grid().visualRect(grid().model()->index(row, 2)).center();
        click(grid().viewport(), at, twice);
    }
    QByteArray itemBytes(qint32 id) { return readFile(t.srcFile()).mid((id - 1) * 235, 235); }
};

} // namespace cw::test
