// The main window through mouse clicks, in a few stories: what is refused and what is asked
// (the end-to-end stories cannot read the boxes), failures, and the record bytes each change
// leaves.
#include "MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>

using namespace cw;
using namespace cw::test;

TEST_F(MainWindowTest, CategoriesAndItemsAskConfirmAndRefuseWithTheirOwnBoxes) {
    start();
    for (const char* button : {"cmdEditCat", "cmdDeleteCat", "cmdNewItem", "cmdEditItem",
                               "cmdDeleteItem", "cmdItemToList", "cmdCatToList", "cmdRemoveItem"})
        click(button); // nothing chosen: each says so, and asks nothing
    EXPECT_EQ(t.prompts.messages().size(), 8u);
    for (const char* typed : {"", "   ", "Dairy", "  Bakery"}) { // blanks add nothing
        t.prompts.answerInput(typed);
        click("cmdNewCat");
    }
    // Written and shown as typed, so the blanks sort it first; the new entry is chosen.
    EXPECT_EQ(texts("lstCat"), QStringList({"  Bakery", "Dairy"}));
    t.prompts.answerNo();
    click("cmdEditCat");
    t.prompts.answerYes();
    t.prompts.answerInput(" ");
    click("cmdEditCat");
    t.prompts.answerYes();
    t.prompts.answerInput("  Zucchini Stand "); // stays in place until the next start
    click("cmdEditCat");
    EXPECT_EQ(texts("lstCat"), QStringList({"Zucchini Stand", "Dairy"}));
    writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.29", "", 1, "", "N", ""}));
    choose("lstCat", "Dairy");
    choose("lstAvailable", "Milk");
    for (const char* no : {"cmdDeleteItem", "cmdDeleteCat", "cmdClearList"}) {
        t.prompts.answerNo();
        click(no);
    }
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Zucchini Stand"));
    t.prompts.answerInput("DAIRY"); // after the entry it equals, letter case aside
    click("cmdNewCat");
    EXPECT_EQ(texts("lstCat"), QStringList({"Zucchini Stand", "Dairy", "DAIRY"}));
}

// A quantity on the list shows whole; a row's total is its cost as shown (two decimals) times
// the quantity, while the running total is the store's, from the stored cost.
TEST_F(MainWindowTest, CellsShowTheQuantityWholeAndTheRowTotalFromTheShownCost) {
    writeFile(t.catFile(), categoryRecord("Baking"));
    writeFile(t.srcFile(), itemRecord({"Yeast", "1", "1.005", "", 1, "", "Y", "2.5"}));
    start();
    EXPECT_EQ(column(5) + column(6), QStringList({"3", "2.53"}));
    EXPECT_EQ(total(), "2.51");
}

TEST_F(MainWindowTest, TheListTakesItemsQuantitiesAndRemovals) {
    catalogue();
    start();
    choose("lstAvailable", "Milk", true); // a double click puts it on the list
    chooseRow("Milk");
    const QByteArray before = readFile(t.srcFile());
    for (const char* refused : {"-32769", "-12345.6789", "", "   ", "abc", "3 kg"}) {
        t.prompts.answerInput(refused);
        click("cmdNum15");
    }
    EXPECT_EQ(readFile(t.srcFile()), before);
    EXPECT_EQ(t.prompts.messages().size(), 2u);         // the two numbers out of range say so
    for (const char* limit : {"32768", "12345.6789"}) { // the largest, and ten characters
        t.prompts.answerInput(limit);
        click("cmdNum15");
        EXPECT_EQ(itemBytes(1).mid(175, 10), QByteArray(limit).leftJustified(10));
    }
    t.prompts.answerInput("-2");
    click("cmdNum15");
    click("cmdCatToList"); // keeps Milk's quantity
    EXPECT_EQ(column(2) + column(4) + column(5),
              QStringList({"Butter", "Eggs", "Milk", "Tea", "Dairy", "Dairy", "Dairy", "", "1", "",
                           "-2", "1"}));
    // Column widths are shares of the whole grid, the same with or without its scrollbar; the
    // numbers stand at the right of their cells.
    const QTableView& view = grid();
    const std::pair<int, double> shares[] = {{0, 0},    {1, 0.08}, {2, 0.30}, {3, 0.16},
                                             {4, 0.20}, {5, 0.08}, {6, 0.14}};
    for (const auto& [col, share] : shares)
        EXPECT_EQ(view.columnWidth(col), std::lround(share * view.width()));
    for (const int col : {5, 6})
        EXPECT_TRUE(view.model()->index(0, col).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                    Qt::AlignRight);
    choose("lstAvailable", "Butter");
    click("cmdItemToList");
    EXPECT_EQ(t.prompts.messages().back(), "Item already on current list");

    chooseRow("Milk"); // removing gives the quantity back its default, byte for byte
    click("cmdRemoveItem");
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("N2         "));
    click("cmdNum2");            // after a refill the first row is the chosen one: Butter
    EXPECT_EQ(total(), "11.97"); // its caption 3, times 2.99, and Tea
    chooseRow("Eggs", true);     // a double click on a row removes it
    EXPECT_EQ(column(2) + column(5), QStringList({"Butter", "Tea", "3", "1"}));
    t.prompts.answerYes();
    click("cmdClearList");
    EXPECT_EQ(itemBytes(2).mid(174, 2) + total().toLatin1(), "N30.00");
    const QByteArray cleared = readFile(t.srcFile());
    t.prompts.clear();
    click("cmdNum4"); // the entry chosen before is off the grid: the keypad does nothing
    EXPECT_EQ(readFile(t.srcFile()), cleared);
    click("cmdRemoveItem"); // takes it off once more and refills quietly, so that then
    click("cmdRemoveItem"); // no entry is chosen
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"No entry selected in current shopping list"});
}

TEST_F(MainWindowTest, FileFailuresAreReportedUnderTheProcedureThatMetThem) {
    catalogue("2");
    start();
    chooseRow("Milk");
    QFile::remove(t.srcFile()); // a directory in its place: every operation on it fails
    ASSERT_TRUE(QDir().mkdir(t.srcFile()));
    click("cmdNum2");
    find<QAction>("mnuRefreshCL")->trigger();
    choose("lstAvailable", "Milk");
    click("cmdItemToList");
    choose("lstCat", "Dairy");
    std::vector<QString> reports;
    for (const char* at : {"frmMain.cmdNum_Click", "cSourceItem.blnRefreshSortList",
                           "frmMain.RefreshMainList", "frmMain.AddItemToList", "lstCat.Click"})
        reports.push_back(errorReport(at, sysError(EISDIR)));
    EXPECT_EQ(t.prompts.messages(), reports);
}

TEST_F(MainWindowTest, AReadOnlyDataFolderIsShownAndEachWriteReportsOnce) {
    catalogue("2");
    // The folder mounted read-only onto itself, where the machine allows mounting.
    const auto mount = [&](const QStringList& args) { return QProcess::execute("mount", args); };
    if (mount({"--bind", t.dir.path(), t.dir.path()}) != 0)
        GTEST_SKIP() << "no bind mount here (it needs root and a kernel that allows it)";
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {t.dir.path()}); });
    ASSERT_EQ(mount({"-o", "remount,bind,ro", t.dir.path()}), 0);
    start();
    EXPECT_EQ(texts("lstAvailable") + column(2),
              QStringList({"Butter", "Eggs", "Milk", "Milk", "Tea"}));
    EXPECT_TRUE(t.prompts.boxes.empty());
    choose("lstAvailable", "Butter");
    click("cmdItemToList");
    EXPECT_EQ(t.prompts.messages(),
              std::vector{errorReport("cSourceItem.blnSelectRecord", sysError(EROFS))});
}
