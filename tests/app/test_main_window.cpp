// The main window through real user stories: categories, items, the shopping list, its sort
// orders and the running total, checked against the record files byte for byte.
#include "MainWindowFixture.h"

#include <QAction>
#include <QFile>

using namespace cw;
using namespace cw::test;

TEST_F(MainWindowTest, FirstStartCreatesBothFilesEmptyAndShowsAnEmptyList) {
    start();
    EXPECT_TRUE(QFile::exists(t.catFile()));
    EXPECT_TRUE(QFile::exists(t.srcFile()));
    EXPECT_EQ(QFile(t.catFile()).size(), 0);
    EXPECT_EQ(QFile(t.srcFile()).size(), 0);
    EXPECT_EQ(list().lblSort->caption(), "Sorted by Item");
    EXPECT_EQ(lstCat().count(), 0);
    EXPECT_EQ(lstAvailable().count(), 0);
    ASSERT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(grid().cellText(0, 1), " Isle ");
    EXPECT_EQ(grid().cellText(0, 6), "Total  ");
    EXPECT_EQ(total(), "0.00");
    EXPECT_EQ(selectedId(), "0");
    EXPECT_TRUE(t.prompts.boxes.empty());
    EXPECT_EQ(w->windowTitle(), " Cartwise ");
    EXPECT_EQ(w->size(), QSize(640, 440));
}

TEST_F(MainWindowTest, StartChoosesTheFirstCategoryAndListsItsItems) {
    const qint32 produce = addCategory("Produce");
    const qint32 bakery = addCategory("bakery");
    addItem({"Rolls", "6", "0.5", "", "", bakery});
    addItem({"apples", "1", "2", "", "", produce});
    addItem({"Bread", "1", "2", "", "", bakery});
    start();
    EXPECT_EQ(texts(lstCat()), QStringList({"bakery", "Produce"}));
    EXPECT_EQ(lstCat().selectedIndex(), 0);
    EXPECT_EQ(texts(lstAvailable()), QStringList({"Bread", "Rolls"}));
    EXPECT_EQ(lstAvailable().itemData(0), 3);
}

TEST_F(MainWindowTest, CategoriesAreCreatedRenamedAndDeleted) {
    start();
    t.prompts.answerInput("Dairy");
    click(cats().cmdNewCat);
    t.prompts.answerInput("  Bakery");
    click(cats().cmdNewCat);
    // A new name is written as typed; every reader trims it.
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("  Bakery"));
    // Shown as typed, so the leading blanks sort it first; the new entry is the chosen one.
    EXPECT_EQ(texts(lstCat()), QStringList({"  Bakery", "Dairy"}));
    EXPECT_EQ(lstCat().selectedIndex(), 0);
    EXPECT_EQ(t.prompts.boxes[0].text, "Enter new category name");
    EXPECT_EQ(t.prompts.boxes[0].caption, "New Category");

    // A rename that breaks the alphabetical order keeps the entry where it is.
    t.prompts.answerYes();
    t.prompts.answerInput("  Zucchini Stand ");
    click(cats().cmdEditCat);
    EXPECT_EQ(t.prompts.boxes[2].text, "Edit category named Bakery ?");
    EXPECT_EQ(t.prompts.boxes[2].caption, "Edit Category");
    EXPECT_EQ(t.prompts.boxes[3].text, "Enter revised category name");
    EXPECT_EQ(t.prompts.boxes[3].caption, "Cartwise");
    EXPECT_EQ(texts(lstCat()), QStringList({"Zucchini Stand", "Dairy"}));
    EXPECT_EQ(lstCat().selectedIndex(), 0);
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Zucchini Stand"));
    restart();
    EXPECT_EQ(texts(lstCat()), QStringList({"Dairy", "Zucchini Stand"}));

    // Deleting frees the slot; the next new category takes it and the file keeps its length.
    choose(lstCat(), "Dairy");
    t.prompts.answerYes();
    click(cats().cmdDeleteCat);
    EXPECT_EQ(t.prompts.boxes.back().text,
              "Delete category named Dairy and all related source items ?");
    EXPECT_EQ(t.prompts.boxes.back().caption, "Delete Category");
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("") + categoryRecord("Zucchini Stand"));
    EXPECT_EQ(texts(lstCat()), QStringList({"Zucchini Stand"}));
    EXPECT_EQ(lstCat().selectedIndex(), 0);
    t.prompts.answerInput("Deli");
    click(cats().cmdNewCat);
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Deli") + categoryRecord("Zucchini Stand"));
    EXPECT_EQ(lstCat().itemData(0), 1);
}

TEST_F(MainWindowTest, CancelBlankAndNoChangeNothing) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "", "", dairy});
    start();
    const QByteArray cat = readFile(t.catFile()), src = readFile(t.srcFile());
    t.prompts.answerInput("");
    click(cats().cmdNewCat);
    t.prompts.answerInput("   ");
    click(cats().cmdNewCat);
    t.prompts.answerNo();
    click(cats().cmdEditCat);
    t.prompts.answerYes();
    t.prompts.answerInput(" ");
    click(cats().cmdEditCat);
    t.prompts.answerNo();
    click(cats().cmdDeleteCat);
    choose(lstAvailable(), "Milk");
    t.prompts.answerNo();
    click(items().cmdDeleteItem);
    EXPECT_EQ(t.prompts.boxes.back().text, "Delete item named Milk ?");
    EXPECT_EQ(t.prompts.boxes.back().caption, "Delete Item");
    click(items().cmdItemToList);
    t.prompts.answerNo();
    click(list().cmdClearList);
    EXPECT_EQ(t.prompts.boxes.back().text, "Clear current shopping list. Are you sure ?");
    EXPECT_EQ(t.prompts.boxes.back().caption, "Clear Current Shopping List");
    EXPECT_EQ(readFile(t.catFile()), cat);
    EXPECT_EQ(itemBytes(1).at(174), 'Y');
    EXPECT_EQ(total(), "2.58");
    EXPECT_EQ(column(2), QStringList({"Milk"}));
    EXPECT_EQ(texts(lstCat()), QStringList({"Dairy"}));
    EXPECT_TRUE(t.prompts.allAnswersUsed());
}

TEST_F(MainWindowTest, NothingSelectedIsToldNotActedOn) {
    start();
    click(cats().cmdEditCat);
    click(cats().cmdDeleteCat);
    click(items().cmdNewItem);
    click(items().cmdEditItem);
    click(items().cmdDeleteItem);
    click(items().cmdItemToList);
    click(items().cmdCatToList);
    click(list().cmdRemoveItem);
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

TEST_F(MainWindowTest, ItemsGoOnTheListOneByOneOrAllTogether) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "1 gal", "05", dairy});
    addItem({"Butter", "1", "2.99", "1 lb", "06", dairy});
    addItem({"Eggs", "", "3", "dozen", "", dairy});
    start();
    choose(lstAvailable(), "Milk");
    click(items().cmdItemToList);
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("Y2         "));
    EXPECT_EQ(column(2), QStringList({"Milk"}));
    EXPECT_EQ(selectedId(), "1");
    EXPECT_EQ(total(), "2.58");
    // The keypad changes Milk's quantity; All To List must leave it alone.
    clickKey(3);
    click(items().cmdCatToList);
    EXPECT_EQ(column(2), QStringList({"Butter", "Eggs", "Milk"}));
    EXPECT_EQ(column(5), QStringList({"1", "", "4"}));
    EXPECT_EQ(column(6), QStringList({"2.99", "0.00", "5.16"}));
    EXPECT_EQ(column(4), QStringList({"Dairy", "Dairy", "Dairy"}));
    EXPECT_EQ(column(0), QStringList({"2", "3", "1"}));
    EXPECT_EQ(total(), "8.15");
    EXPECT_TRUE(t.prompts.boxes.empty());

    choose(lstAvailable(), "Butter");
    items().lstAvailable->entryDoubleClicked();
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>({"Item already on current list"}));
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("Y4         "));
}

TEST_F(MainWindowTest, RemoveAndClearTakeItemsOffTheList) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "", "", dairy});
    addItem({"Butter", "1", "2.99", "", "", dairy});
    start();
    click(items().cmdCatToList);
    chooseRow("Milk");
    clickKey(8); // "9"
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("Y9         "));
    click(list().cmdRemoveItem);
    // The selected quantity falls back to the default quantity, byte for byte.
    EXPECT_EQ(itemBytes(1).mid(174, 11), QByteArray("N2         "));
    EXPECT_EQ(column(2), QStringList({"Butter"}));
    EXPECT_EQ(selectedId(), "2");
    EXPECT_EQ(total(), "2.99");

    t.prompts.answerYes();
    click(list().cmdClearList);
    EXPECT_EQ(itemBytes(2).at(174), 'N');
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(total(), "0.00");
    // The selection still names Butter; removing it again unselects and refills quietly.
    EXPECT_EQ(selectedId(), "2");
    click(list().cmdRemoveItem);
    EXPECT_EQ(selectedId(), "0");
    EXPECT_EQ(t.prompts.messages().size(), 1u);
    // Double-clicking a row removes it too.
    click(items().cmdCatToList);
    chooseRow("Milk");
    list().Grid1->gridDoubleClicked();
    EXPECT_EQ(column(2), QStringList({"Butter"}));
}

TEST_F(MainWindowTest, DeletingAnItemSelectsTheFirstRemaining) {
    const qint32 dairy = addCategory("Dairy");
    addItem({"Milk", "2", "1.29", "", "", dairy});
    addItem({"Butter", "1", "2.99", "", "", dairy});
    start();
    choose(lstAvailable(), "Milk");
    t.prompts.answerYes();
    click(items().cmdDeleteItem);
    EXPECT_EQ(itemBytes(1), itemRecord({}));
    EXPECT_EQ(texts(lstAvailable()), QStringList({"Butter"}));
    EXPECT_EQ(lstAvailable().selectedIndex(), 0);
    t.prompts.answerYes();
    click(items().cmdDeleteItem);
    EXPECT_EQ(lstAvailable().count(), 0);
    EXPECT_EQ(lstAvailable().selectedIndex(), -1);
}

TEST_F(MainWindowTest, TheThreeSortOrders) {
    const qint32 dairy = addCategory("Dairy");
    const qint32 bakery = addCategory("Bakery");
    const qint32 produce = addCategory("Produce");
    addItem({"Milk", "1", "1", "", "05", dairy});
    addItem({"Bread", "1", "1", "", "12", bakery});
    addItem({"apples", "1", "1", "", "5", produce});
    addItem({"Tape", "1", "1", "", "", produce});
    for (qint32 id = 1; id <= 4; ++id)
        cSourceItem(t.ctx).blnSelectRecord(id, "1");
    start();
    EXPECT_EQ(column(2), QStringList({"apples", "Bread", "Milk", "Tape"}));
    list().mnuSortIsle->trigger();
    EXPECT_EQ(list().lblSort->caption(), "Sorted by Isle");
    EXPECT_EQ(column(2), QStringList({"Tape", "Milk", "Bread", "apples"})); // "", 05, 12, 5
    list().mnuSortCategory->trigger();
    EXPECT_EQ(list().lblSort->caption(), "Sorted by Category");
    EXPECT_EQ(column(2), QStringList({"Bread", "Milk", "apples", "Tape"}));
    list().mnuSortItem->trigger();
    EXPECT_EQ(list().lblSort->caption(), "Sorted by Item");
    EXPECT_EQ(column(2), QStringList({"apples", "Bread", "Milk", "Tape"}));
}

TEST_F(MainWindowTest, EitherExitStoresTheSortOrderWhichTheNextStartReads) {
    start();
    list().mnuSortIsle->trigger();
    w->findChild<QAction*>("mnuFileExit")->trigger();
    EXPECT_EQ(t.settings.values["sort"], "Sorted by Isle");
    EXPECT_EQ(t.end.calls, 1);
    // Any letter case of a stored mode still sorts that way.
    t.settings.values["sort"] = "SORTED BY CATEGORY";
    const qint32 b = addCategory("B"), a = addCategory("A");
    addItem({"x", "1", "1", "", "", b});
    addItem({"y", "1", "1", "", "", a});
    cSourceItem(t.ctx).blnSelectRecord(1, "1");
    cSourceItem(t.ctx).blnSelectRecord(2, "1");
    restart();
    EXPECT_EQ(list().lblSort->caption(), "SORTED BY CATEGORY");
    EXPECT_EQ(column(2), QStringList({"y", "x"}));
    w->findChild<QAction*>("mnuExit")->trigger();
    EXPECT_EQ(t.end.calls, 2);
    EXPECT_EQ(t.settings.values["sort"], "SORTED BY CATEGORY");
}
