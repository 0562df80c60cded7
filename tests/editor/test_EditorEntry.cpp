// The entry rules, driven through key presses and focus changes.
#include "EditorFixture.h"

#include <QAction>
#include <QFocusEvent>

using namespace cw;
using namespace cw::test;

namespace {
// Types into a field and leaves it with Tab.
void typeAndLeave(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}
} // namespace

TEST_F(EditorTest, EnterMovesThroughTheFieldsToSaveWhichItPresses) {
    frmItem& w = open();
    QTest::keyClicks(field(0), "bread");
    for (int i = 1; i <= frmItem::kFieldCount; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), i < 5 ? static_cast<QWidget*>(field(i)) : w.cmdSave);
    }
    EXPECT_EQ(field(0)->text(), "Bread"); // Enter itself typed nothing
    EXPECT_EQ(field(3)->text(), "1.00");
    QTest::keyClick(w.cmdSave, Qt::Key_Return);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Record saved"});
}

TEST_F(EditorTest, NumericFieldsGetDefaultsAndTwoDecimals) {
    open();
    const std::tuple<int, const char*, const char*> cases[] = {
        {3, "", "1.00"},    {4, "", "0.00"},    {3, "3", "3.00"},
        {4, "2.5", "2.50"}, {4, " 7 ", "7.00"}, {4, "1.005", "1.01"}};
    for (const auto& [index, typed, shown] : cases) {
        field(index)->clear();
        typeAndLeave(field(index), typed);
        EXPECT_EQ(field(index)->text(), shown) << typed;
    }
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(EditorTest, ANonNumberIsRefusedEmptiedAndKeepsTheFocus) {
    open();
    typeAndLeave(field(4), "abc");
    ASSERT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(t.prompts.boxes[0].text, "Only numbers and decimals are accepted");
    EXPECT_EQ(t.prompts.boxes[0].caption, "Cartwise");
    EXPECT_EQ(field(4)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), field(4));
    QTest::keyClick(field(4), Qt::Key_Tab); // left empty now: the default applies
    EXPECT_EQ(field(4)->text(), "0.00");
    typeAndLeave(field(3), "1e12"); // an exponent would not fit the field
    EXPECT_EQ(t.prompts.messages().size(), 2u);
    EXPECT_EQ(field(3)->text(), "");
}

TEST_F(EditorTest, ARefusalDoesNotSetOffTheRulesOfTheNextField) {
    open();
    field(4)->setText("xyz");
    typeAndLeave(field(3), "abc"); // the focus passes through field 4 and comes back
    EXPECT_EQ(t.prompts.messages().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), field(3));
    EXPECT_EQ(field(4)->text(), "xyz");
}

TEST_F(EditorTest, OpeningAMenuSwitchingWindowsOrClosingRunsNoRule) {
    host.main.show();
    frmItem& w = open();
    field(4)->setFocus();
    QTest::keyClicks(field(4), "abc");
    QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason); // as when the menu opens
    QApplication::sendEvent(field(4), &menu);
    QApplication::setActiveWindow(&host.main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.main));
    w.close();
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(EditorTest, TextFieldsAreTrimmedAndConvertedByTheChosenOption) {
    frmItem& w = open();
    const std::tuple<QAction*, int, const char*, const char*> cases[] = {
        {w.mnuConvertProper, 0, "  fresh BREAD  ", "Fresh Bread"},
        {w.mnuConvertUpper, 2, "aisle 7b", "AISLE 7B"},
        {w.mnuConvertNone, 1, "  half GALLON ", "half GALLON"}};
    for (const auto& [entry, index, typed, shown] : cases) {
        entry->trigger();
        field(index)->clear();
        typeAndLeave(field(index), typed);
        EXPECT_EQ(field(index)->text(), shown) << typed;
    }
}

TEST_F(EditorTest, MenuCommandsConvertTheTextFieldsAtOnce) {
    frmItem& w = open();
    const QStringList typed = {"  milk JUG ", "1 gal", "aisle 3", "2", "1.5"};
    for (int i = 0; i < frmItem::kFieldCount; ++i)
        field(i)->setText(typed[i]);
    w.cmdSave->setEnabled(false);
    auto texts = [&] {
        QStringList out;
        for (int i = 0; i < frmItem::kFieldCount; ++i)
            out << field(i)->text();
        return out;
    };
    auto checked = [&] {
        QString out;
        for (QAction* a : {w.mnuConvertProper, w.mnuConvertUpper, w.mnuConvertNone})
            out += a->isChecked() ? 'x' : '-';
        return out;
    };
    w.mnuConvertUpper->trigger();
    EXPECT_EQ(texts(), QStringList({"  MILK JUG ", "1 GAL", "AISLE 3", "2", "1.5"}));
    EXPECT_EQ(checked(), "-x-");
    EXPECT_EQ(w.strConvertOption, "Upper");
    EXPECT_TRUE(w.cmdSave->isEnabled());
    w.mnuConvertProper->trigger();
    EXPECT_EQ(texts(), QStringList({"  Milk Jug ", "1 Gal", "Aisle 3", "2", "1.5"}));
    EXPECT_EQ(checked(), "x--");
    w.mnuConvertProper->trigger(); // choosing the checked entry again keeps it checked
    EXPECT_EQ(checked(), "x--");
    w.mnuConvertNone->trigger();
    EXPECT_EQ(texts(), QStringList({"  Milk Jug ", "1 Gal", "Aisle 3", "2", "1.5"}));
    EXPECT_EQ(checked(), "--x");
    EXPECT_EQ(w.strConvertOption, "None");
}
