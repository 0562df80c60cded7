// The entry rules of the fields, driven through key presses and focus changes.
#include "EditorFixture.h"
#include "editor/TextRules.h"

using namespace cw;
using namespace cw::test;

TEST_F(EditorTest, NumericFieldsTakeDefaultsAndTwoDecimalsAndRefuseTheRest) {
    open();
    const std::tuple<int, const char*, const char*> cases[] = {
        {3, "3", "3.00"}, {4, "2.5", "2.50"}, {4, " 7 ", "7.00"}, {3, "1.005", "1.01"}};
    for (const auto& [i, typed, shown] : cases) {
        field(i)->clear();
        typeAndLeave(i, typed);
        EXPECT_EQ(field(i)->text(), shown) << typed;
    }
    ASSERT_TRUE(t.prompts.boxes.empty());

    typeAndLeave(4, "abc");
    ASSERT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(t.prompts.boxes[0].text, "Only numbers and decimals are accepted");
    EXPECT_EQ(t.prompts.boxes[0].caption, "Cartwise");
    EXPECT_EQ(field(4)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), field(4));
    QTest::keyClick(field(4), Qt::Key_Tab); // left blank now: the default applies
    EXPECT_EQ(field(4)->text(), "0.00");
}

TEST_F(EditorTest, OnlyTheFieldBeingLeftRunsItsRules) {
    main.show();
    frmItem& w = open();
    // The refused quantity takes the focus back from the bad cost: one box, not two. An
    // exponent is refused: its two-decimal form would not fit the field.
    field(4)->setText("xyz");
    typeAndLeave(3, "1e12");
    EXPECT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), field(3));
    EXPECT_EQ(field(4)->text(), "xyz");
    // Opening the menu, switching to the main window, closing: no rule runs.
    QTest::keyClicks(field(3), "abc");
    QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field(3), &menu);
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    w.close();
    EXPECT_EQ(t.prompts.boxes.size(), 1u);
}

TEST_F(EditorTest, MenuCommandsConvertTheTextFieldsAtOnceAndLeaveTheNumbers) {
    frmItem& w = open();
    const QStringList typed = {"  milk JUG ", "1 gal", "aisle 3", "2 ea", "1.5"};
    for (int i = 0; i < frmItem::kFieldCount; ++i)
        field(i)->setText(typed[i]);
    w.cmdSave->setEnabled(false);
    const std::tuple<QAction*, const char*, QStringList> steps[] = {
        {w.mnuConvertUpper, "-x-", {"  MILK JUG ", "1 GAL", "AISLE 3", "2 ea", "1.5"}},
        {w.mnuConvertProper, "x--", {"  Milk Jug ", "1 Gal", "Aisle 3", "2 ea", "1.5"}},
        {w.mnuConvertNone, "--x", {"  Milk Jug ", "1 Gal", "Aisle 3", "2 ea", "1.5"}}};
    for (const auto& [entry, checked, shown] : steps) {
        entry->trigger();
        entry->trigger(); // the checked entry chosen again stays checked
        EXPECT_EQ(texts(), shown) << checked;
        EXPECT_EQ(checkedOptions(), checked);
    }
    EXPECT_TRUE(w.cmdSave->isEnabled());
    typeAndLeave(1, " lOT"); // the chosen option applies from now on
    EXPECT_EQ(field(1)->text(), "1 Gal lOT");
}

TEST_F(EditorTest, TextLeftIsTrimmedAndConvertedByTheSettingReadAtLoad) {
    const std::tuple<const char*, const char*, int, const char*, const char*> cases[] = {
        {" UPPER ", "-x-", 2, "aisle 7b", "AISLE 7B"},
        {"None", "--x", 1, "  half GALLON ", "half GALLON"},
        {"PROPER", "x--", 0, "  fresh BREAD  ", "Fresh Bread"},
        {"bogus", "---", 0, "fresh BREAD", "fresh BREAD"},
        {nullptr, "x--", 1, "1 GAL", "1 Gal"}}; // not set: "proper"
    for (const auto& [value, checked, i, typed, shown] : cases) {
        t.settings.values.erase("convert");
        if (value) t.settings.values["convert"] = value;
        open();
        EXPECT_EQ(checkedOptions(), checked) << value;
        typeAndLeave(i, typed);
        EXPECT_EQ(field(i)->text(), shown) << value;
        delete editor.data();
    }
}

TEST(ProperCase, WordsStartOnlyAfterBlanksAndControlSeparators) {
    const std::pair<QString, QString> cases[] = {
        {"HALF-GALLON MILK", "Half-gallon Milk"},
        {"o'brien's", "O'brien's"},
        {"2lb bag", "2lb Bag"},
        {"a.b/c  d ", "A.b/c  D "},
        {"tab\tcr\rlf\nnul" + QString(QChar(0)) + "end",
         "Tab\tCr\rLf\nNul" + QString(QChar(0)) + "End"},
        // One character never becomes two: the text keeps the length the field allows.
        {QString::fromUtf8("ÉCOLE STRAßE über\u00a0alles"),
         QString::fromUtf8("École Straße Über\u00a0alles")},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ProperCase(in), out) << in.toStdString();
    EXPECT_EQ(UpperCase(QString::fromUtf8("straße ÿ")), QString::fromUtf8("STRAßE Ÿ"));
}
