// The item editor as the main window opens, feeds and closes it.
#include "MainWindowFixture.h"
#include "editor/frmItem.h"

#include <QApplication>
#include <QLineEdit>

using namespace cw;
using namespace cw::test;

class EditorInMainWindowTest : public MainWindowTest {
protected:
    qint32 dairy = 0;
    void SetUp() override {
        dairy = addCategory("Dairy");
        addCategory("Bakery");
        addItem({"Milk", "2", "1.29", "1 gal", "05", dairy});
        addItem({"Yogurt", "4", "0.89", "6 oz", "05", dairy}, "3");
        addItem({"Butter", "1", "2.99", "1 lb", "06", dairy}, "1");
        start();
        choose("lstCat", "Dairy");
    }
    frmItem* editor() { return w->findChild<frmItem*>("frmItem"); }
    QLineEdit* field(int i) {
        return editor()->findChild<QLineEdit*>(QStringLiteral("txtGen%1").arg(i));
    }
    // Replaces a field's text by typing, then leaves the field.
    void retype(int i, const QString& text) {
        QApplication::setActiveWindow(editor());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor()));
        field(i)->setFocus();
        field(i)->selectAll();
        QTest::keyClicks(field(i), text);
        QTest::keyClick(field(i), Qt::Key_Tab);
    }
};

TEST_F(EditorInMainWindowTest, EditingAnItemOnTheListUpdatesItsEntryAndRowInPlace) {
    choose("lstAvailable", "Yogurt");
    click("cmdEditItem");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->lblCategoryDesc->caption(), "Category: Dairy");
    EXPECT_EQ(field(3)->text(), "4");
    EXPECT_EQ(field(4)->text(), "0.89");
    const int row = column(2).indexOf("Yogurt") + 1;
    retype(0, "zesty yogurt");
    retype(4, "1.1");
    QTest::mouseClick(editor()->cmdSave, Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>({"Record saved"}));
    EXPECT_EQ(itemBytes(2).mid(0, 70),
              padded("Zesty Yogurt", 50) + padded("4.00", 10) + padded("1.10", 10));
    EXPECT_EQ(itemBytes(2).mid(174, 11), QByteArray("Y3         "));
    EXPECT_EQ(texts("lstAvailable"), QStringList({"Butter", "Milk", "Zesty Yogurt"}));
    EXPECT_EQ(chosen("lstAvailable"), 2);
    EXPECT_EQ(grid().cellText(row, 2), "Zesty Yogurt");
    EXPECT_EQ(grid().cellText(row, 6), "3.30");
    EXPECT_EQ(total(), "6.29");
    EXPECT_FALSE(editor()->cmdSave->isEnabled());
}

TEST_F(EditorInMainWindowTest, TheOpenEditorFollowsTheListAndNewItemEmptiesIt) {
    choose("lstAvailable", "Milk");
    click("cmdEditItem");
    choose("lstAvailable", "Butter");
    EXPECT_EQ(field(0)->text(), "Butter");
    retype(0, "Unsaved change");
    click("cmdNewItem");
    EXPECT_TRUE(t.prompts.boxes.empty());
    for (int f = 0; f < frmItem::kFieldCount; ++f)
        EXPECT_EQ(field(f)->text(), "") << f;
    EXPECT_EQ(editor()->lblID->caption(), "0");
    // Edit Item on the item shown reloads it from the file.
    choose("lstAvailable", "Milk");
    retype(0, "Not saved");
    click("cmdEditItem");
    EXPECT_EQ(field(0)->text(), "Milk");
    // Renaming the category leaves the editor open; choosing a category closes it.
    t.prompts.answerYes();
    t.prompts.answerInput("Dairy Case");
    click("cmdEditCat");
    EXPECT_TRUE(editor() && editor()->isVisible());
    choose("lstCat", "Bakery");
    EXPECT_FALSE(editor() && editor()->isVisible());
}

TEST_F(EditorInMainWindowTest, TheEditorSitsAtTheMainWindowsLowerRightCornerOnTop) {
    click("cmdNewItem");
    const QRect main = w->frameGeometry(), own = editor()->frameGeometry();
    EXPECT_EQ(own.right(), main.right());
    EXPECT_EQ(own.bottom(), main.bottom());
    EXPECT_TRUE(editor()->windowFlags() & Qt::WindowStaysOnTopHint);
}
