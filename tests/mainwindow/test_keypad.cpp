// The quantity keypad: what "?" accepts and refuses, and when the buttons act at all.
#include "MainWindowFixture.h"

using namespace cw;
using namespace cw::test;

class KeypadTest : public MainWindowTest {
protected:
    void SetUp() override {
        const qint32 dairy = addCategory("Dairy");
        addItem({"Milk", "2", "1.29", "", "", dairy}, "2");
        addItem({"Butter", "1", "2.99", "", "", dairy}, "1");
        start();
        chooseRow("Milk");
    }
    QString milk(int col) { return grid().cellText(column(2).indexOf("Milk") + 1, col); }
    void askQuantity(const QString& answer) {
        t.prompts.answerInput(answer);
        clickKey(15);
    }
};

TEST_F(KeypadTest, AskedQuantitiesAreStoredAsShownOrRefused) {
    askQuantity(" 2.5 ");
    EXPECT_EQ(t.prompts.boxes[0].text, "Enter Quantity");
    EXPECT_EQ(t.prompts.boxes[0].caption, "Cartwise");
    EXPECT_EQ(t.prompts.boxes[0].defaultText, "");
    EXPECT_EQ(milk(5), "3");    // shown rounded
    EXPECT_EQ(milk(6), "3.23"); // 2.5 x 1.29 = 3.225
    EXPECT_EQ(itemBytes(1).mid(175, 10), QByteArray("2.5       "));
    EXPECT_EQ(itemBytes(1).mid(50, 10), QByteArray("2         ")); // the default stays
    EXPECT_EQ(total(), "6.22");
    askQuantity("32768");
    EXPECT_EQ(milk(6), "42270.72");
    askQuantity("-2");
    EXPECT_EQ(milk(6), "-2.58");
    EXPECT_EQ(total(), "0.41");

    const QByteArray before = readFile(t.srcFile());
    t.prompts.clear();
    for (const char* refused : {"32769", "-32769", "-12345.6789", "0.123456789"})
        askQuantity(refused);
    for (const char* nothing : {"", "   ", "abc", "3 kg"})
        askQuantity(nothing);
    EXPECT_EQ(readFile(t.srcFile()), before);
    const QString tooLong = "Quantities of more than 10 characters not supported in this function";
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>({"Quantities above 32768 not supported in this function",
                                    "Quantities below -32768 not supported in this function",
                                    tooLong, tooLong}));
    // A later refresh shows what the file holds.
    trigger("mnuRefreshCL");
    EXPECT_EQ(milk(5), "-2");
    EXPECT_EQ(total(), "0.41");
}

TEST_F(KeypadTest, ButtonsActOnlyOnTheSelectedEntryWhileItIsTheCurrentRow) {
    // After the list is cleared the selection names an entry that is no longer shown, and
    // after the quiet refill that Remove Item makes nothing is selected.
    t.prompts.answerYes();
    click("cmdClearList");
    const QByteArray cleared = readFile(t.srcFile());
    clickKey(2);
    click("cmdRemoveItem");
    clickKey(2);
    EXPECT_EQ(readFile(t.srcFile()).mid(235), cleared.mid(235));
    EXPECT_EQ(grid().cellText(0, 5), "Qty ");
    EXPECT_EQ(grid().cellText(0, 6), "Total  ");
}
