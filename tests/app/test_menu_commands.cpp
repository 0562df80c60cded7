// The menu commands as the main window runs them: the export reads the real grid, the data
// commands end the program, and the information windows open modally.
#include "MainWindowFixture.h"

#include "RecordingPrinter.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>

using namespace cw;
using namespace cw::test;

namespace {

// Triggers a menu entry that opens a modal window, closes that window as soon as it shows and
// returns its title.
QString openModal(QAction* entry) {
    static QString title;
    title.clear();
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle();
            modal->close();
        }
    });
    entry->trigger();
    return title;
}

} // namespace

TEST_F(MainWindowTest, ExportWritesTheGridAsShown) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "1 gal", "05", dairy});
    cSourceItem(t.ctx).blnSelectRecord(1, "2");
    start();
    const QString dir = t.path("out");
    ASSERT_TRUE(QDir().mkdir(dir));
    t.prompts.answerInput(dir);
    w->findChild<QAction*>("mnuExport")->trigger();
    const QByteArray header = "\"Isle\",\"Item\",\"Size\",\"Category\",\"Qty\",\"Total\"\r\n";
    const QByteArray milk = "\"05\",\"Milk\",\"1 gal\",\"Dairy\",\"2\",\"2.58\"\r\n";
    EXPECT_EQ(readFile(dir + "/Cartwise.txt"), padded(header, 300) + padded(milk, 300));
    EXPECT_EQ(t.prompts.messages().back(), "Export Process has completed");
    EXPECT_EQ(t.settings.values["exportdirectory"], dir);
}

TEST_F(MainWindowTest, DeleteAllDataRemovesBothFilesAndEnds) {
    addCategory("Dairy");
    start();
    t.prompts.answerYes();
    t.prompts.answerNo();
    w->findChild<QAction*>("mnuDeleteAllData")->trigger();
    EXPECT_TRUE(QFile::exists(t.catFile()));
    EXPECT_EQ(t.end.calls, 0);
    t.prompts.answerYes();
    t.prompts.answerYes();
    w->findChild<QAction*>("mnuDeleteAllData")->trigger();
    EXPECT_FALSE(QFile::exists(t.catFile()));
    EXPECT_FALSE(QFile::exists(t.srcFile()));
    EXPECT_EQ(t.end.calls, 1);
    EXPECT_EQ(t.settings.values.count("sort"), 0u);
    EXPECT_EQ(t.prompts.boxes.back().caption, "DELETE ALL DATA");
}

TEST_F(MainWindowTest, HelpAboutAndPrintOpenModally) {
    start();
    EXPECT_EQ(openModal(w->findChild<QAction*>("mnuHelpMe")), " Cartwise Help Topics");
    EXPECT_EQ(openModal(w->findChild<QAction*>("mnuAbout")), "About Cartwise");
    EXPECT_EQ(openModal(w->findChild<QAction*>("mnuPrintCurrentShopList")), " Print Defaults");
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(MainWindowTest, PrintingTakesTheListAsTheGridShowsIt) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "1 gal", "05", dairy});
    cSourceItem(t.ctx).blnSelectRecord(1, "2");
    RecordingPrinter printer;
    t.ctx.printer = &printer;
    start();
    chooseRow("Milk");
    clickKey(2); // the keypad rewrites the row in place: quantity 3
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->findChild<QPushButton*>("cmdOK")->click();
    });
    w->findChild<QAction*>("mnuPrintCurrentShopList")->trigger();
    ASSERT_EQ(printer.pages.size(), 1u);
    const QStringList& page = printer.pages[0];
    EXPECT_EQ(page[4], QStringLiteral("          Cartwise"));
    EXPECT_TRUE(page.contains("          05          Milk                            1 gal       "
                              "Dairy                   3             3.87"));
    EXPECT_EQ(page.back(), QStringLiteral("          Total Estimated Cost 3.87"));
    EXPECT_EQ(t.settings.values["fontsize"], "8");
}
