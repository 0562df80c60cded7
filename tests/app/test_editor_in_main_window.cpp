// The item editor as the main window opens, feeds and closes it.
#include "MainWindowFixture.h"
#include "editor/frmItem.h"

#include <QAction>

using namespace cw;
using namespace cw::test;

class EditorInMainWindowTest : public MainWindowTest {
protected:
    qint32 dairy = 0, bakery = 0;
    void SetUp() override {
        dairy = addCategory("Dairy");
        bakery = addCategory("Bakery");
        addItem({"Milk", "2", "1.29", "1 gal", "05", dairy});
        addItem({"Yogurt", "4", "0.89", "6 oz", "05", dairy});
        cSourceItem(t.ctx).blnSelectRecord(2, "3");
        addItem({"Butter", "1", "2.99", "1 lb", "06", dairy});
        cSourceItem(t.ctx).blnSelectRecord(3, "1");
        start();
        choose(lstCat(), "Dairy");
    }
    frmItem* editor() { return w->itemEditor(); }
    void type(int field, const QString& text) { editor()->txtGen(field)->setText(text); }
};

TEST_F(EditorInMainWindowTest, ANewItemWithOnlyADescriptionIsSavedWithDefaults) {
    click(items().cmdNewItem);
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(t.ctx.blnItemFormLoaded);
    EXPECT_EQ(editor()->lblCatID->caption(), QString::number(dairy));
    EXPECT_EQ(editor()->lblCategoryDesc->caption(), "Category: Dairy");
    EXPECT_EQ(editor()->lblID->caption(), "0");
    EXPECT_FALSE(editor()->cmdSave->isEnabled());
    type(0, "Cream");
    editor()->cmdSave_Click();
    EXPECT_EQ(itemBytes(4), itemRecord({"Cream", "1", "0.00", "", dairy, "", "N", ""}));
    EXPECT_EQ(texts(lstAvailable()), QStringList({"Butter", "Cream", "Milk", "Yogurt"}));
    EXPECT_EQ(lstAvailable().selectedIndex(), 1);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>({"Record saved"}));
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(t.settings.values["convert"], "proper");
}

TEST_F(EditorInMainWindowTest, EditingAnItemOnTheListUpdatesTheGridInPlace) {
    choose(lstAvailable(), "Yogurt");
    click(items().cmdEditItem);
    EXPECT_EQ(editor()->txtGen(0)->text(), "Yogurt");
    EXPECT_EQ(editor()->txtGen(3)->text(), "4");
    EXPECT_EQ(editor()->txtGen(4)->text(), "0.89");
    const int row = column(2).indexOf("Yogurt") + 1;
    type(0, "Zesty Yogurt");
    type(4, "1.10");
    editor()->cmdSave_Click();
    EXPECT_EQ(itemBytes(2).mid(0, 70),
              padded("Zesty Yogurt", 50) + padded("4.00", 10) + padded("1.10", 10));
    EXPECT_EQ(itemBytes(2).mid(174, 11), QByteArray("Y3         "));
    // Renamed in place, still selected; the grid shows the new values without moving the row.
    EXPECT_EQ(texts(lstAvailable()), QStringList({"Butter", "Milk", "Zesty Yogurt"}));
    EXPECT_EQ(lstAvailable().selectedIndex(), 2);
    EXPECT_EQ(grid().cellText(row, 2), "Zesty Yogurt");
    EXPECT_EQ(grid().cellText(row, 6), "3.30");
    EXPECT_EQ(total(), "6.29");
    EXPECT_NE(editor(), nullptr);
    EXPECT_FALSE(editor()->cmdSave->isEnabled());
}

TEST_F(EditorInMainWindowTest, TheOpenEditorFollowsTheListAndNewItemEmptiesIt) {
    choose(lstAvailable(), "Milk");
    click(items().cmdEditItem);
    choose(lstAvailable(), "Butter");
    EXPECT_EQ(editor()->txtGen(0)->text(), "Butter");
    type(0, "Unsaved change");
    click(items().cmdNewItem);
    EXPECT_TRUE(t.prompts.boxes.empty());
    for (int f = 0; f < 5; ++f)
        EXPECT_EQ(editor()->txtGen(f)->text(), "") << f;
    EXPECT_EQ(editor()->lblID->caption(), "0");
    // Edit Item on the item shown reloads it from the file.
    choose(lstAvailable(), "Milk");
    type(0, "Not saved");
    click(items().cmdEditItem);
    EXPECT_EQ(editor()->txtGen(0)->text(), "Milk");
}

TEST_F(EditorInMainWindowTest, ChoosingACategoryClosesTheEditorAndTheOptionPersists) {
    click(items().cmdNewItem);
    editor()->findChild<QAction*>("mnuConvertUpper")->trigger();
    // Renaming a category leaves the editor open; choosing another closes it.
    t.prompts.answerYes();
    t.prompts.answerInput("Dairy Case");
    click(cats().cmdEditCat);
    EXPECT_TRUE(t.ctx.blnItemFormLoaded);
    choose(lstCat(), "Bakery");
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
    EXPECT_EQ(t.settings.values["convert"], "Upper");
    EXPECT_EQ(lstAvailable().count(), 0);
    click(items().cmdNewItem);
    EXPECT_TRUE(editor()->findChild<QAction*>("mnuConvertUpper")->isChecked());
    EXPECT_EQ(editor()->lblCategoryDesc->caption(), "Category: Bakery");
    // A new category is chosen at once, which closes the editor too.
    t.prompts.answerInput("Deli");
    click(cats().cmdNewCat);
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
}

TEST_F(EditorInMainWindowTest, TheEditorSitsAtTheMainWindowsLowerRightCorner) {
    w->show();
    click(items().cmdNewItem);
    const QRect main = w->frameGeometry(), own = editor()->frameGeometry();
    EXPECT_EQ(own.right(), main.right());
    EXPECT_EQ(own.bottom(), main.bottom());
    EXPECT_TRUE(editor()->windowFlags() & Qt::WindowStaysOnTopHint);
}
