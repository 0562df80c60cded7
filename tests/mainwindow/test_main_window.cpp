// The main window's panels through mouse clicks: the exact boxes each command shows, what is
// refused, and the record bytes that each change leaves. (The stories of tests/e2e drive the
// built program through the same commands; what they cannot see is checked here.)
#include "MainWindowFixture.h"

#include <QDir>

using namespace cw;
using namespace cw::test;

TEST_F(MainWindowTest, StartChoosesTheFirstCategoryAndListsItsItems) {
    const qint32 produce = addCategory("Produce");
    const qint32 bakery = addCategory("bakery");
    addItem({"Rolls", "6", "0.5", "", "", bakery});
    addItem({"apples", "1", "2", "", "", produce});
    addItem({"Bread", "1", "2", "", "", bakery});
    start();
    EXPECT_EQ(texts("lstCat"), QStringList({"bakery", "Produce"}));
    EXPECT_EQ(chosen("lstCat"), 0);
    EXPECT_EQ(texts("lstAvailable"), QStringList({"Bread", "Rolls"}));
    EXPECT_EQ(caption("lblSort"), "Sorted by Item");
    EXPECT_EQ(total(), "0.00");
    EXPECT_EQ(selectedId(), "0");
}

TEST_F(MainWindowTest, CategoriesAreCreatedRenamedAndDeleted) {
    start();
    t.prompts.answerInput("Dairy");
    click("cmdNewCat");
    t.prompts.answerInput("  Bakery");
    click("cmdNewCat");
    // Written and shown as typed (every reader trims), so the blanks sort it first; the new
    // entry is the chosen one.
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("  Bakery"));
    EXPECT_EQ(texts("lstCat"), QStringList({"  Bakery", "Dairy"}));
    EXPECT_EQ(chosen("lstCat"), 0);

    // A rename that breaks the alphabetical order keeps the entry where it is until a restart.
    t.prompts.answerYes();
    t.prompts.answerInput("  Zucchini Stand ");
    click("cmdEditCat");
    EXPECT_EQ(texts("lstCat"), QStringList({"Zucchini Stand", "Dairy"}));
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Zucchini Stand"));
    restart();
    EXPECT_EQ(texts("lstCat"), QStringList({"Dairy", "Zucchini Stand"}));

    // Deleting frees the slot, which the next new category takes.
    choose("lstCat", "Dairy");
    t.prompts.answerYes();
    click("cmdDeleteCat");
    EXPECT_EQ(texts("lstCat"), QStringList({"Zucchini Stand"}));
    t.prompts.answerInput("Deli");
    click("cmdNewCat");
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Deli") + categoryRecord("Zucchini Stand"));

    const std::vector<std::pair<QString, QString>> shown = {
        {"Enter new category name", "New Category"},
        {"Enter new category name", "New Category"},
        {"Edit category named Bakery ?", "Edit Category"},
        {"Enter revised category name", "Cartwise"},
        {"Delete category named Dairy and all related source items ?", "Delete Category"},
        {"Enter new category name", "New Category"}};
    ASSERT_EQ(t.prompts.boxes.size(), shown.size());
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(std::pair(t.prompts.boxes[i].text, t.prompts.boxes[i].caption), shown[i]);
}

TEST_F(MainWindowTest, CancelBlankAndNoChangeNothing) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "", "", dairy}, "2");
    start();
    const QByteArray cat = readFile(t.catFile()), src = readFile(t.srcFile());
    t.prompts.answerInput("");
    click("cmdNewCat");
    t.prompts.answerInput("   ");
    click("cmdNewCat");
    t.prompts.answerNo();
    click("cmdEditCat");
    t.prompts.answerYes();
    t.prompts.answerInput(" ");
    click("cmdEditCat");
    t.prompts.answerNo();
    click("cmdDeleteCat");
    choose("lstAvailable", "Milk");
    t.prompts.answerNo();
    click("cmdDeleteItem");
    t.prompts.answerNo();
    click("cmdClearList");
    EXPECT_EQ(t.prompts.boxes[6].text, "Delete item named Milk ?");
    EXPECT_EQ(t.prompts.boxes[6].caption, "Delete Item");
    EXPECT_EQ(t.prompts.boxes[7].text, "Clear current shopping list. Are you sure ?");
    EXPECT_EQ(t.prompts.boxes[7].caption, "Clear Current Shopping List");
    EXPECT_EQ(readFile(t.catFile()) + readFile(t.srcFile()), cat + src);
    EXPECT_EQ(column(2), QStringList({"Milk"}));
    EXPECT_EQ(total(), "2.58");
    EXPECT_TRUE(t.prompts.allAnswersUsed());
}

TEST_F(MainWindowTest, NothingSelectedIsToldNotActedOn) {
    start();
    for (const char* button : {"cmdEditCat", "cmdDeleteCat", "cmdNewItem", "cmdEditItem",
                               "cmdDeleteItem", "cmdItemToList", "cmdCatToList", "cmdRemoveItem"})
        click(button);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>({"No category selected", "No category selected",
                                    "Must select category first", "Must select item first",
                                    "No item selected", "No item selected",
                                    "No items are shown in 'Available' list",
                                    "No entry selected in current shopping list"}));
    for (const Box& b : t.prompts.boxes)
        EXPECT_EQ(b.caption, "Cartwise");
    EXPECT_EQ(QFile(t.srcFile()).size(), 0);
}

TEST_F(MainWindowTest, ItemsGoOnTheListAndComeOffIt) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "1 gal", "05", dairy});
    addItem({"Butter", "1", "2.99", "1 lb", "06", dairy});
    addItem({"Eggs", "", "3", "dozen", "", dairy});
    start();
    choose("lstAvailable", "Milk", true); // a double click puts it on the list
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("Y2         "));
    EXPECT_EQ(selectedId(), "1");
    // A quantity from the keypad survives All To List; Item To List refuses a listed item.
    chooseRow("Milk");
    clickKey(3); // "4"
    click("cmdCatToList");
    EXPECT_EQ(column(2), QStringList({"Butter", "Eggs", "Milk"}));
    EXPECT_EQ(column(5), QStringList({"1", "", "4"}));
    EXPECT_EQ(column(6), QStringList({"2.99", "0.00", "5.16"}));
    EXPECT_EQ(total(), "8.15");
    choose("lstAvailable", "Butter");
    click("cmdItemToList");
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>({"Item already on current list"}));

    // Removing gives the selected quantity back its default, byte for byte.
    chooseRow("Milk");
    click("cmdRemoveItem");
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("N2         "));
    EXPECT_EQ(column(2), QStringList({"Butter", "Eggs"}));
    EXPECT_EQ(selectedId(), "2");
    chooseRow("Eggs", true); // a double click on a row removes it
    EXPECT_EQ(column(2), QStringList({"Butter"}));

    t.prompts.answerYes();
    click("cmdClearList");
    EXPECT_EQ(itemBytes(2).at(174), 'N');
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(total(), "0.00");
    // The selection still names Butter: removing it again unselects and refills quietly.
    EXPECT_EQ(selectedId(), "2");
    click("cmdRemoveItem");
    EXPECT_EQ(selectedId(), "0");
    EXPECT_EQ(t.prompts.messages().size(), 2u);
}

TEST_F(MainWindowTest, FileFailuresAreReportedUnderTheProcedureThatMetThem) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "", "", dairy}, "2");
    addItem({"Tea", "1", "3", "", "", 7}, "1"); // its category does not exist
    start();
    EXPECT_EQ(column(4), QStringList({"Dairy", ""}));
    chooseRow("Milk");
    // The item file turns into a directory: every operation on it fails.
    QFile::remove(t.srcFile());
    ASSERT_TRUE(QDir().mkdir(t.srcFile()));
    clickKey(2);
    trigger("mnuRefreshCL");
    choose("lstAvailable", "Milk");
    click("cmdItemToList");
    const QString frame = "An error has occured: \r\n";
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>({frame + "frmMain.cmdNum_Click_Error: Is a directory.",
                                    frame + "cSourceItem.blnRefreshSortList_Error: Is a directory.",
                                    frame + "frmMain.RefreshMainList_Error: Is a directory.",
                                    frame + "frmMain.AddItemToList_Error: Is a directory."}));
    for (const Box& b : t.prompts.boxes) {
        EXPECT_EQ(b.caption, "");
        EXPECT_EQ(b.icon, MsgIcon::Information);
    }
    EXPECT_EQ(grid().rowCount(), 1);
}
