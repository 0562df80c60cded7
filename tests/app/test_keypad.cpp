// The quantity keypad and how the main window reports failures of its files.
#include "MainWindowFixture.h"

#include <QAction>
#include <QDir>

using namespace cw;
using namespace cw::test;

class KeypadTest : public MainWindowTest {
protected:
    void SetUp() override {
        const qint32 dairy = addCategory("Dairy");
        addItem({"Milk", "2", "1.29", "", "", dairy});
        addItem({"Butter", "1", "2.99", "", "", dairy});
        cSourceItem(t.ctx).blnSelectRecord(1, "2");
        cSourceItem(t.ctx).blnSelectRecord(2, "1");
        start();
        chooseRow("Milk");
    }
    int milkRow() { return column(2).indexOf("Milk") + 1; }
    void askQuantity(const QString& answer) {
        t.prompts.answerInput(answer);
        clickKey(15);
    }
};

TEST_F(KeypadTest, AButtonSetsTheQuantityToBuyAndNotTheDefault) {
    clickKey(2); // "3"
    EXPECT_EQ(grid().cellText(milkRow(), 5), "3");
    EXPECT_EQ(grid().cellText(milkRow(), 6), "3.87");
    EXPECT_EQ(total(), "6.86");
    EXPECT_EQ(itemBytes(1).mid(50, 10), QByteArray("2         "));
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("Y3         "));
    // Several buttons in a row act on the same entry.
    clickKey(4);
    EXPECT_EQ(grid().cellText(milkRow(), 5), "5");
    EXPECT_EQ(total(), "9.44");
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(KeypadTest, AnyQuantityUpTo32768IsAsked) {
    askQuantity(" 2.5 ");
    EXPECT_EQ(t.prompts.boxes[0].text, "Enter Quantity");
    EXPECT_EQ(t.prompts.boxes[0].caption, "Cartwise");
    EXPECT_EQ(t.prompts.boxes[0].defaultText, "");
    EXPECT_EQ(grid().cellText(milkRow(), 5), "3");    // shown rounded
    EXPECT_EQ(grid().cellText(milkRow(), 6), "3.23"); // 2.5 x 1.29 = 3.225
    EXPECT_EQ(itemBytes(1).mid(175, 10), QByteArray("2.5       "));
    EXPECT_EQ(total(), "6.22");

    askQuantity("32768");
    EXPECT_EQ(itemBytes(1).mid(175, 10), QByteArray("32768     "));
    EXPECT_EQ(grid().cellText(milkRow(), 6), "42270.72");

    const QByteArray before = readFile(t.srcFile());
    askQuantity("32769");
    EXPECT_EQ(t.prompts.boxes.back().text, "Quantities above 32768 not supported in this function");
    EXPECT_EQ(t.prompts.boxes.back().caption, "Cartwise");
    for (const char* nothing : {"", "   ", "abc", "3 kg"})
        askQuantity(nothing);
    EXPECT_EQ(readFile(t.srcFile()), before);
    EXPECT_EQ(t.prompts.messages().size(), 1u);
    EXPECT_EQ(grid().cellText(milkRow(), 5), "32768");

    askQuantity("-2");
    EXPECT_EQ(grid().cellText(milkRow(), 6), "-2.58");
    EXPECT_EQ(total(), "0.41");
    // A later refresh shows what the file holds.
    w->findChild<QAction*>("mnuRefreshCL")->trigger();
    EXPECT_EQ(grid().cellText(milkRow(), 5), "-2");
    EXPECT_EQ(total(), "0.41");
}

TEST_F(KeypadTest, ButtonsActOnlyOnTheSelectedEntryWhileItIsTheCurrentRow) {
    const QByteArray before = readFile(t.srcFile());
    // The selection names Butter, but the current row is Milk's.
    list().lblCurrentListID->setCaption("2");
    clickKey(2);
    list().lblCurrentListID->setCaption("0");
    clickKey(2);
    list().lblCurrentListID->setCaption("");
    clickKey(2);
    EXPECT_EQ(readFile(t.srcFile()), before);
    EXPECT_EQ(grid().cellText(milkRow(), 5), "2");
    // After the list is cleared nothing is selected; the header cells stay as they are.
    t.prompts.answerYes();
    click(list().cmdClearList);
    click(list().cmdRemoveItem); // unselects the remembered entry and refills: selection "0"
    clickKey(2);
    EXPECT_EQ(grid().cellText(0, 5), "Qty ");
    EXPECT_EQ(grid().cellText(0, 6), "Total  ");
}

TEST_F(MainWindowTest, FileFailuresAreReportedUnderTheProcedureThatMetThem) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "", "", dairy});
    cSourceItem(t.ctx).blnSelectRecord(1, "2");
    start();
    chooseRow("Milk");
    // The item file turns into a directory: every operation on it fails.
    QFile::remove(t.srcFile());
    ASSERT_TRUE(QDir().mkdir(t.srcFile()));
    clickKey(2);
    w->findChild<QAction*>("mnuRefreshCL")->trigger();
    const QString frame = "An error has occured: \r\n";
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>({frame + "frmMain.cmdNum_Click_Error: Is a directory.",
                                    frame + "cSourceItem.blnRefreshSortList_Error: Is a directory.",
                                    frame + "frmMain.RefreshMainList_Error: Is a directory."}));
    for (const Box& b : t.prompts.boxes) {
        EXPECT_EQ(b.caption, "");
        EXPECT_EQ(b.icon, MsgIcon::Information);
    }
    // The cells keep what they showed; the window goes on working.
    EXPECT_EQ(grid().rowCount(), 1);
    t.prompts.clear();
    choose(lstAvailable(), "Milk");
    click(items().cmdItemToList);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>({frame + "frmMain.AddItemToList_Error: Is a directory."}));
}

TEST_F(MainWindowTest, AMissingCategoryShowsAnEmptyCategoryCell) {
    addItem({"Milk", "2", "1.29", "", "", 7});
    cSourceItem(t.ctx).blnSelectRecord(1, "2");
    start();
    ASSERT_EQ(grid().rowCount(), 2);
    EXPECT_EQ(grid().cellText(1, 4), "");
    EXPECT_EQ(grid().cellText(1, 2), "Milk");
}
