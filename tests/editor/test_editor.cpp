// The item editor, opened from the main window and driven by keys and clicks: the entry rules
// of its fields, the case conversions, and when and how it saves.
#include "MainWindowFixture.h"
#include "editor/ItemEditor.h"
#include "editor/TextRules.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPointer>

using namespace cw;
using namespace cw::test;

class EditorTest : public MainWindowTest {
protected:
    // The editor on a new item of Dairy, or on Milk: active, the focus in the description. An
    // editor open before is closed, so that the new one reads the settings afresh.
    ItemEditor& open(bool milk = false) {
        if (e) e->close();
        if (!w) {
            catalogue("3");
            start();
        }
        choose("lstCat", "Dairy");
        if (milk) choose("lstAvailable", "Milk");
        click(milk ? "cmdEditItem" : "cmdNewItem");
        for (ItemEditor* shown : w->findChildren<ItemEditor*>())
            if (shown->isVisible()) e = shown;
        QApplication::setActiveWindow(e);
        EXPECT_TRUE(e->isVisible() && QTest::qWaitForWindowActive(e));
        return *e;
    }
    QLineEdit* field(int i) { return e->field(i); }
    QAction* option(const char* name) { return e->findChild<QAction*>(name); }
    QPushButton* saveButton() { return e->findChild<QPushButton*>("cmdSave"); }
    // The fields' texts, the Options menu's checks ("x--": Proper checked), and "Save" when
    // the Save button is enabled.
    QString shown() {
        QStringList texts;
        for (int i = 0; i < ItemEditor::FieldCount; ++i)
            texts << field(i)->text();
        const auto x = [](const QAction* a) { return a->isChecked() ? 'x' : '-'; };
        return texts.join('|') + ' ' + x(option("mnuConvertProper")) +
               x(option("mnuConvertUpper")) + x(option("mnuConvertNone")) +
               (saveButton()->isEnabled() ? " Save" : "");
    }
    // Types over a field's text and leaves it with Tab.
    void typeAndLeave(int i, const QString& text) {
        field(i)->setFocus();
        QTest::keyClick(field(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field(i), text);
        QTest::keyClick(field(i), Qt::Key_Tab);
    }
    QPointer<ItemEditor> e;
};

TEST_F(EditorTest, NumbersTakeTwoDecimalsBlanksTheirDefaultsAndOthersAreRefused) {
    const std::tuple<int, const char*, const char*> rows[] = {
        {4, " 2.5 ", "2.50"}, {3, "", "1.00"}, {3, "   ", "1.00"},  {4, "", "0.00"},
        {3, "1e12", ""},      {4, "abc", ""},  {3, "-1.5", "-1.50"}};
    for (const auto& [i, typed, shown] : rows) {
        open();
        typeAndLeave(i, typed);
        EXPECT_EQ(field(i)->text(), shown) << typed;
        // A refused text: one box, and the field keeps the focus.
        const bool refused = !*shown;
        EXPECT_EQ(t.prompts.messages(),
                  std::vector<QString>(refused, "Only numbers and decimals are accepted"));
        EXPECT_EQ(QApplication::focusWidget() == field(i), refused) << typed;
        t.prompts.clear();
    }
}

TEST_F(EditorTest, TextIsTrimmedAndConvertedAsTheSettingReadAtLoadOrTheMenuChooses) {
    const std::tuple<const char*, int, const char*, const char*> rows[] = {
        {" UPPER ", 2, "aisle 7b12", "||AISLE 7B1|| -x- Save"},          // 9 characters at most
        {"None", 1, "  half GALLON jugs", "|half GALLON j||| --x Save"}, // 15
        {"bogus", 0, "fresh BREAD", "fresh BREAD|||| --- Save"}};
    for (const auto& [value, i, typed, after] : rows) {
        if (e) e->close(); // it stores its option as it closes
        t.settings.values["convert"] = value;
        open();
        typeAndLeave(i, typed);
        EXPECT_EQ(shown(), after) << value;
    }
    // The menu converts the three text fields at once.
    open(true);
    option("mnuConvertUpper")->trigger();
    EXPECT_EQ(shown(), "MILK|1 GAL|AISLE 3|2|1.29 -x- Save");
    // A word starts after blanks and control characters only; no letter becomes two.
    EXPECT_EQ(properCase("ÉCOLE o'brien's 2lb HALF-GALLON a.b/c\td\ne\u00a0f"),
              "École O'brien's 2lb Half-gallon A.b/c\tD\nE\u00a0f");
    EXPECT_EQ(upperCase("straße ÿ"), "STRAßE Ÿ");
}

TEST_F(EditorTest, SaveIsEnabledByAChangeOnlyAndRenamesTheEntryInPlace) {
    open(true);
    EXPECT_EQ(shown(), "Milk|1 gal|aisle 3|2|1.29 x--"); // nothing to save
    QTest::keyClick(field(0), Qt::Key_Home);
    QTest::keyClicks(field(0), "almond ");
    EXPECT_TRUE(saveButton()->isEnabled());
    QTest::mouseClick(saveButton(), Qt::LeftButton); // the description is left first: proper case
    EXPECT_EQ(itemBytes(1),
              itemRecord({"Almond Milk", "2.00", "1.29", "1 gal", 1, "aisle 3", "Y", "3"}));
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Record saved"});
    EXPECT_EQ(shown(), "Almond Milk|1 gal|aisle 3|2|1.29 x--");
    EXPECT_EQ(texts("lstAvailable") + column(2), // in place, and the grid filled afresh
              QStringList({"Butter", "Eggs", "Almond Milk", "Almond Milk", "Tea"}));
    click("cmdNewItem"); // the same editor, emptied for a new item
    EXPECT_EQ(shown(), "|||| x--");
}

TEST_F(EditorTest, ABlankDescriptionAndStoreFailuresAreRefusedAndTheInputKept) {
    open();
    typeAndLeave(0, "   ");
    QTest::mouseClick(saveButton(), Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Can't save item with blank description"});
    EXPECT_EQ(QApplication::focusWidget(), field(0));
    for (const bool milk : {false, true}) {
        open(milk);
        // A folder where the item file should be: the store reports, then the editor.
        ASSERT_TRUE(QFile::rename(t.srcFile(), t.path("kept")) && QDir().mkdir(t.srcFile()));
        t.prompts.clear();
        typeAndLeave(0, "oat milk");
        QTest::mouseClick(saveButton(), Qt::LeftButton);
        EXPECT_EQ(shown(), QString(milk ? "Oat Milk|1 Gal|aisle 3|2|1.29 x-- Save"
                                        : "Oat Milk|||| x-- Save"));
        const std::vector<QString> said = t.prompts.messages();
        ASSERT_EQ(said.size(), 2u);
        EXPECT_EQ(said[1], milk ? "Error! Record was not saved" : "New record was not saved");
        ASSERT_TRUE(QDir().rmdir(t.srcFile()) && QFile::rename(t.path("kept"), t.srcFile()));
    }
}
