// The main window through mouse clicks, in a few stories: every box a command shows (the
// end-to-end stories cannot read them), what is refused, and the record bytes each change
// leaves.
#include "MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <cstring>

using namespace cw;
using namespace cw::test;

TEST_F(MainWindowTest, CategoriesAndItemsAskConfirmAndRefuseWithTheirOwnBoxes) {
    start();
    for (const char* button : {"cmdEditCat", "cmdDeleteCat", "cmdNewItem", "cmdEditItem",
                               "cmdDeleteItem", "cmdItemToList", "cmdCatToList", "cmdRemoveItem"})
        click(button);                                           // nothing chosen: each says so
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
    addItem({"Milk", "2", "1.29"});
    choose("lstCat", "Dairy");
    choose("lstAvailable", "Milk");
    for (const char* no : {"cmdDeleteItem", "cmdDeleteCat", "cmdClearList"}) {
        t.prompts.answerNo();
        click(no);
    }
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Zucchini Stand"));
    EXPECT_TRUE(t.prompts.allAnswersUsed());

    // Each box as "text|caption".
    const QString none = "No %1 selected|Cartwise", newCat = "Enter new category name|New Category",
                  edit = "Edit category named Bakery ?|Edit Category",
                  revised = "Enter revised category name|Cartwise";
    const QStringList shown = {none.arg("category"),
                               none.arg("category"),
                               "Must select category first|Cartwise",
                               "Must select item first|Cartwise",
                               none.arg("item"),
                               none.arg("item"),
                               "No items are shown in 'Available' list|Cartwise",
                               "No entry selected in current shopping list|Cartwise",
                               newCat,
                               newCat,
                               newCat,
                               newCat,
                               edit,
                               edit,
                               revised,
                               edit,
                               revised,
                               "Delete item named Milk ?|Delete Item",
                               "Delete category named Dairy and all related source items "
                               "?|Delete Category",
                               "Clear current shopping list. Are you sure ?|Clear Current Shopping "
                               "List"};
    QStringList boxes;
    for (const Box& b : t.prompts.boxes)
        boxes << b.text + '|' + b.caption;
    EXPECT_EQ(boxes, shown);
}

TEST_F(MainWindowTest, TheListTakesItemsQuantitiesAndRemovals) {
    addCategory("Dairy");
    addItem({"Milk", "2", "1.29"});
    addItem({"Butter", "1", "2.99"});
    addItem({"Eggs", "", "3"});
    addItem({"Tea", "1", "3"}, "1", 7); // its category does not exist
    start();
    EXPECT_EQ(column(4), QStringList({""}));
    choose("lstAvailable", "Milk", true); // a double click puts it on the list
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("Y2         "));
    chooseRow("Milk");
    const auto ask = [&](const QString& answer) {
        t.prompts.answerInput(answer);
        clickKey(15);
    };
    ask(" 2.5 "); // shown rounded, its total from 2.5
    EXPECT_EQ(t.prompts.boxes[0].text + '|' + t.prompts.boxes[0].caption,
              "Enter Quantity|Cartwise");
    EXPECT_EQ(column(5) + column(6), QStringList({"3", "1", "3.23", "3.00"}));
    const QByteArray before = readFile(t.srcFile());
    t.prompts.clear();
    for (const char* refused : {"32769", "-32769", "-12345.6789", "", "   ", "abc", "3 kg"})
        ask(refused);
    EXPECT_EQ(readFile(t.srcFile()), before);
    const QString notSupported = "Quantities %1 not supported in this function";
    EXPECT_EQ(
        t.prompts.messages(),
        std::vector<QString>({notSupported.arg("above 32768"), notSupported.arg("below -32768"),
                              notSupported.arg("of more than 10 characters")}));
    ask("-2");
    click("cmdCatToList"); // keeps Milk's quantity
    find<QAction>("mnuRefreshCL")->trigger();
    EXPECT_EQ(column(2) + column(5),
              QStringList({"Butter", "Eggs", "Milk", "Tea", "1", "", "-2", "1"}));
    choose("lstAvailable", "Butter");
    click("cmdItemToList");
    EXPECT_EQ(t.prompts.messages().back(), "Item already on current list");

    chooseRow("Milk"); // removing gives the quantity back its default, byte for byte
    click("cmdRemoveItem");
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("N2         "));
    EXPECT_EQ(selectedId(), "2");
    chooseRow("Eggs", true); // a double click on a row removes it
    EXPECT_EQ(column(2), QStringList({"Butter", "Tea"}));
    t.prompts.answerYes();
    click("cmdClearList");
    EXPECT_EQ(itemBytes(2).at(174), 'N');
    EXPECT_EQ(total(), "0.00");
    clickKey(2);            // the entry still selected is no longer the current row: nothing
    click("cmdRemoveItem"); // unselects it again and refills quietly
    EXPECT_EQ(selectedId() + grid().cellText(0, 5), "0Qty ");
}

TEST_F(MainWindowTest, FileFailuresAreReportedUnderTheProcedureThatMetThem) {
    addCategory("Dairy");
    addItem({"Milk", "2", "1.29"}, "2");
    start();
    chooseRow("Milk");
    QFile::remove(t.srcFile()); // a directory in its place: every operation on it fails
    ASSERT_TRUE(QDir().mkdir(t.srcFile()));
    clickKey(2);
    find<QAction>("mnuRefreshCL")->trigger();
    choose("lstAvailable", "Milk");
    click("cmdItemToList");
    choose("lstCat", "Dairy");
    const QString error =
        "An error has occured: \r\n%1_Error: " + QString::fromLocal8Bit(std::strerror(EISDIR)) +
        '.';
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>(
                  {error.arg("frmMain.cmdNum_Click"), error.arg("cSourceItem.blnRefreshSortList"),
                   error.arg("frmMain.RefreshMainList"), error.arg("frmMain.AddItemToList"),
                   error.arg("lstCat.Click")}));
    for (const Box& b : t.prompts.boxes)
        EXPECT_EQ(std::pair(b.caption, b.icon), std::pair(QString(), MsgIcon::Information));
}

TEST_F(MainWindowTest, AReadOnlyDataFolderIsShownAndEachWriteReportsOnce) {
    addCategory("Dairy");
    addItem({"Milk", "2", "1.29"}, "2");
    addItem({"Butter", "1", "2.99"});
    // The folder mounted read-only onto itself, where the machine allows mounting.
    const auto mount = [&](const QStringList& args) { return QProcess::execute("mount", args); };
    if (mount({"--bind", t.dir.path(), t.dir.path()}) != 0)
        GTEST_SKIP() << "no bind mount here (it needs root and a kernel that allows it)";
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {t.dir.path()}); });
    ASSERT_EQ(mount({"-o", "remount,bind,ro", t.dir.path()}), 0);
    start();
    EXPECT_EQ(texts("lstAvailable") + column(2), QStringList({"Butter", "Milk", "Milk"}));
    EXPECT_TRUE(t.prompts.boxes.empty());
    choose("lstAvailable", "Butter");
    click("cmdItemToList");
    EXPECT_EQ(
        t.prompts.messages(),
        std::vector<QString>({"An error has occured: \r\ncSourceItem.blnSelectRecord_Error: " +
                              QString::fromLocal8Bit(std::strerror(EROFS)) + '.'}));
}

TEST_F(MainWindowTest, TheEditorsSaveRenamesTheEntryInPlaceAndRefillsTheGrid) {
    addCategory("Dairy");
    addItem({"Milk", "2", "1.29"}, "3");
    addItem({"Butter", "1", "2.99"});
    start();
    choose("lstAvailable", "Milk");
    click("cmdEditItem");
    frmItem& e = *editor();
    e.txtGen(0)->selectAll();
    QTest::keyClicks(e.txtGen(0), "almond milk");
    QTest::mouseClick(e.cmdSave, Qt::LeftButton);
    EXPECT_EQ(texts("lstAvailable"), QStringList({"Butter", "Almond Milk"})); // kept in place
    EXPECT_EQ(column(2), QStringList({"Almond Milk"}));
}
