// The item editor driven by keys and clicks: the entry rules of its fields, the case
// conversions, and when and how it saves.
#include "TestContext.h"
#include "editor/TextRules.h"
#include "editor/frmItem.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

const QByteArray kMilk = itemRecord({"milk JUG", "2", "1.5", "1 gal", 7, "aisle 3", "Y", "3"});

class EditorTest : public ::testing::Test {
protected:
    // A fresh editor over a stand-in main window, active, showing item `id` of category 7,
    // with the focus in the description.
    frmItem& open(const QString& id = "0") {
        delete editor;
        editor = new frmItem(t.ctx, &main);
        editor->show();
        QApplication::setActiveWindow(editor);
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
        editor->lblCatID->setCaption("7");
        editor->lblID->setCaption(id);
        field(0)->setFocus();
        return *editor;
    }
    QLineEdit* field(int i) { return editor->txtGen(i); }
    // The fields' texts, the Options menu's checks ("x--": Proper checked), and "Save" when
    // the Save button is enabled.
    QString shown() {
        QStringList texts;
        for (int i = 0; i < frmItem::kFieldCount; ++i)
            texts << field(i)->text();
        const auto x = [](const QAction* a) { return a->isChecked() ? 'x' : '-'; };
        return texts.join('|') + ' ' + x(editor->mnuConvertProper) + x(editor->mnuConvertUpper) +
               x(editor->mnuConvertNone) + (editor->cmdSave->isEnabled() ? " Save" : "");
    }
    // Types into an empty field and leaves it with Tab.
    void typeAndLeave(int i, const QString& text) {
        field(i)->setFocus();
        QTest::keyClicks(field(i), text);
        QTest::keyClick(field(i), Qt::Key_Tab);
    }

    TestContext t;
    QWidget main;
    QPointer<frmItem> editor; // a child of main, gone with it
};

TEST_F(EditorTest, NumbersTakeTwoDecimalsBlanksTheirDefaultsAndOthersAreRefused) {
    const std::tuple<int, const char*, const char*> rows[] = {
        {3, "3", "3.00"}, {4, " 2.5 ", "2.50"}, {3, "", "1.00"},     {4, "", "0.00"},
        {4, "abc", ""},   {3, "1e12", ""},      {3, "-1.5", "-1.50"}};
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
        {" UPPER ", 2, "aisle 7b", "||AISLE 7B|| -x- Save"},
        {"None", 1, "  half GALLON ", "|half GALLON||| --x Save"},
        {"PROPER", 0, "  fresh BREAD  ", "Fresh Bread|||| x-- Save"},
        {"bogus", 0, "fresh BREAD", "fresh BREAD|||| --- Save"},
        {nullptr, 1, "1 GAL", "|1 Gal||| x-- Save"}}; // not set: "proper"
    for (const auto& [value, i, typed, after] : rows) {
        t.settings.values.erase("convert");
        if (value) t.settings.values["convert"] = value;
        open();
        typeAndLeave(i, typed);
        EXPECT_EQ(shown(), after) << value;
    }
    // The menu converts the three text fields at once.
    writeFile(t.srcFile(), kMilk);
    open("1").mnuConvertUpper->trigger();
    EXPECT_EQ(shown(), "MILK JUG|1 GAL|AISLE 3|2|1.50 -x- Save");
    // A word starts after blanks and control characters only; no letter becomes two.
    EXPECT_EQ(ProperCase("ÉCOLE o'brien's 2lb HALF-GALLON a.b/c\td\ne\u00a0f"),
              "École O'brien's 2lb Half-gallon A.b/c\tD\nE\u00a0f");
    EXPECT_EQ(UpperCase("straße ÿ"), "STRAßE Ÿ");
}

TEST_F(EditorTest, SaveIsEnabledByAChangeOnly) {
    writeFile(t.srcFile(), kMilk);
    frmItem& w = open("1");
    EXPECT_EQ(shown(), "milk JUG|1 gal|aisle 3|2|1.50 x--"); // nothing to save
    QTest::keyClick(field(0), Qt::Key_Backspace);
    EXPECT_TRUE(w.cmdSave->isEnabled());
    QTest::mouseClick(w.cmdSave, Qt::LeftButton); // the description is left first: proper case
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk Ju", "2.00", "1.50", "1 gal", 7, "aisle 3", "Y", "3"}));
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Record saved"});
    EXPECT_EQ(shown(), "Milk Ju|1 gal|aisle 3|2|1.50 x--");
}

TEST_F(EditorTest, ABlankDescriptionAndStoreFailuresAreRefusedAndTheInputKept) {
    ASSERT_TRUE(QDir().mkdir(t.srcFile())); // a folder where the item file should be
    frmItem& w = open();
    typeAndLeave(0, "   ");
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Can't save item with blank description"});
    EXPECT_EQ(QApplication::focusWidget(), field(0));
    QTest::keyClicks(field(0), "bread");
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    EXPECT_EQ(shown(), "Bread|||| x-- Save");
    w.lblID->setCaption("1"); // an item that cannot be read: the fields stay empty
    EXPECT_EQ(shown(), "|||| x--");
    QTest::keyClicks(field(0), "oat milk");
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    EXPECT_EQ(shown(), "Oat Milk|||| x-- Save");
    const std::vector<QString> messages = t.prompts.messages(); // between the store's reports
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[2] + '|' + messages[5],
              "New record was not saved|Error! Record was not saved");
}
