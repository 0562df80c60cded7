#pragma once
// A main window shown on a fresh data directory, driven the way a user drives it: mouse clicks
// on buttons, list rows and grid rows, found by their control names, and keys to the focused
// widget. Records are put into the files the way the program itself writes them.
#include "TestContext.h"
#include "mainwindow/MainWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

namespace cw::test {

class MainWindowTest : public ::testing::Test {
protected:
    TestContext t;
    std::unique_ptr<MainWindow> w;

    void start() {
        w = std::make_unique<MainWindow>(t.ctx);
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
    // The texts of a view's rows in one column.
    static QStringList texts(const QAbstractItemView* view, int column = 0) {
        QStringList out;
        const QAbstractItemModel* m = view->model();
        for (int row = 0; row < m->rowCount(); ++row)
            out << m->index(row, column).data().toString();
        return out;
    }
    QStringList texts(const QString& list) { return texts(find<QAbstractItemView>(list)); }
    // A click, or a double click (a click, then the second press and its release), at `at`.
    static void click(QWidget* widget, QPoint at, bool twice) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        if (!twice) return;
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }
    // A mouse click (or double click) on the row of a view whose column holds this text.
    static void clickRow(QAbstractItemView* view, int column, const QString& text, bool twice) {
        const int row = texts(view, column).indexOf(text);
        ASSERT_GE(row, 0) << text.toStdString();
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        click(view->viewport(), view->visualRect(index).center(), twice);
    }
    // A mouse click (or double click) on the list entry with this text.
    void choose(const QString& list, const QString& text, bool twice = false) {
        clickRow(find<QAbstractItemView>(list), 0, text, twice);
    }

    QTableView& grid() { return *find<QTableView>("Grid1"); }
    QStringList column(int col) { return texts(&grid(), col); } // every row of the grid
    // A mouse click (or double click) on the grid row whose item column holds this text.
    void chooseRow(const QString& item, bool twice = false) { clickRow(&grid(), 2, item, twice); }
    QString total() { return find<QLabel>("lblGen4")->text(); }
    QByteArray itemBytes(qint32 id) { return readFile(t.srcFile()).mid((id - 1) * 235, 235); }
};

} // namespace cw::test
