#pragma once
// A main window shown on a fresh data directory, driven the way a user drives it: mouse clicks
// on buttons, list rows and grid rows, found by their control names, and keys to the focused
// widget. Records are put into the files the way the program itself writes them.
#include "TestContext.h"
#include "mainwindow/ShoppingGrid.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace cw::test {

class MainWindowTest : public ::testing::Test {
protected:
    TestContext t;
    std::unique_ptr<frmMain> w;

    void start() {
        w = std::make_unique<frmMain>(t.ctx);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    // Dairy with Milk (1 gal, aisle 3; on the list with this quantity, when one is given), Butter
    // and Eggs (no quantity), and Tea on the list in a category that does not exist.
    void catalogue(const QByteArray& milkOnList = {}) {
        writeFile(t.catFile(), categoryRecord("Dairy"));
        writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.29", "1 gal", 1, "aisle 3",
                                           milkOnList.isEmpty() ? "N" : "Y", milkOnList}) +
                                   itemRecord({"Butter", "1", "2.99", "", 1, "", "N", ""}) +
                                   itemRecord({"Eggs", "", "3.00", "", 1, "", "N", ""}) +
                                   itemRecord({"Tea", "1", "3.00", "", 7, "", "Y", "1"}));
    }

    template <class T> T* find(const QString& name) { return w->findChild<T*>(name); }
    void click(const QString& button) {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    QStringList texts(const QString& list) {
        QStringList out;
        for (QListWidgetItem* i : find<QListWidget>(list)->findItems("", Qt::MatchContains))
            out << i->text();
        return out;
    }
    // A click, or a double click (a click, then the second press and its release), at `at`.
    static void click(QWidget* widget, QPoint at, bool twice) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        if (!twice) return;
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }
    // A mouse click (or double click) on the list entry with this text.
    void choose(const QString& list, const QString& text, bool twice = false) {
        auto* l = find<QListWidget>(list);
        const auto found = l->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        click(l->viewport(), l->visualItemRect(found.first()).center(), twice);
    }

    ShoppingGrid& grid() { return *find<ShoppingGrid>("Grid1"); }
    QStringList column(int col) { // every data row of the grid
        QStringList out;
        for (int r = 1; r < grid().rowCount(); ++r)
            out << grid().cellText(r, col);
        return out;
    }
    // A mouse click (or double click) on the grid row whose item column holds this text.
    void chooseRow(const QString& item, bool twice = false) {
        const int row = column(2).indexOf(item);
        ASSERT_GE(row, 0) << item.toStdString();
        click(grid().viewport(), grid().visualRect(grid().model()->index(row, 2)).center(), twice);
    }
    QByteArray itemBytes(qint32 id) { return readFile(t.srcFile()).mid((id - 1) * 235, 235); }
};

} // namespace cw::test
