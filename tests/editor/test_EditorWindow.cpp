// The editor window: its controls, its place and size, loading an item, and closing.
#include "EditorFixture.h"
#include "store/Failure.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>

using namespace cw;
using namespace cw::test;

TEST_F(EditorTest, OpensWithItsControlsAndMenu) {
    frmItem& w = open();
    EXPECT_TRUE(t.ctx.blnItemFormLoaded);
    EXPECT_EQ(w.windowTitle(), " Source Item");
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    const char* captions[] = {" Item Desc", " Size", " Isle # or Desc", " Quantity", " Unit Cost"};
    const char* tags[] = {"Text", "Text", "Text", "Numeric", "Numeric"};
    const int lengths[] = {50, 15, 9, 10, 10};
    for (int i = 0; i < frmItem::kFieldCount; ++i) {
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblGen%1").arg(i))->text(), captions[i]);
        EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("txtGen%1").arg(i)), field(i));
        EXPECT_EQ(field(i)->property("tag").toString(), tags[i]);
        EXPECT_EQ(field(i)->maxLength(), lengths[i]);
    }
    EXPECT_EQ(w.cmdSave->text(), "&Save");
    EXPECT_FALSE(w.lblID->isVisible());
    EXPECT_FALSE(w.lblCatID->isVisible());
    // Every visible control fits into the area below the menu bar.
    QWidget* area = w.centralWidget();
    for (QWidget* c : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(c->isHidden() || area->rect().contains(c->geometry()))
            << c->objectName().toStdString();
    auto* menu = w.findChild<QMenu*>("mnuOptions");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Options");
    QStringList entries;
    for (QAction* a : menu->actions())
        entries << a->objectName() + "=" + a->text();
    EXPECT_EQ(entries, QStringList({"mnuConvertProper=Convert Text to Proper Case",
                                    "mnuConvertUpper=Convert Text to Upper Case",
                                    "mnuConvertNone=Leave Text as Typed"}));
}

TEST_F(EditorTest, SitsAtTheMainWindowsLowerRightWithOneFixedSize) {
    host.main.show();
    frmItem& w = open();
    const QSize outer(405, 241);
    EXPECT_EQ(w.frameGeometry().size(), outer);
    EXPECT_EQ(w.frameGeometry().bottomRight(), host.main.frameGeometry().bottomRight());
    const QPoint place = w.frameGeometry().topLeft();
    w.showMaximized();
    QTest::qWait(20);
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.frameGeometry(), QRect(place, outer));
    w.resize(800, 600);
    EXPECT_EQ(w.frameGeometry().size(), outer);
    w.showMinimized();
    QTest::qWait(20);
    EXPECT_TRUE(w.isMinimized());
}

TEST_F(EditorTest, ConvertSettingChecksItsEntryAtLoad) {
    const std::pair<const char*, const char*> cases[] = {{"upper", "mnuConvertUpper"},
                                                         {" UPPER ", "mnuConvertUpper"},
                                                         {"None", "mnuConvertNone"},
                                                         {"PROPER", "mnuConvertProper"},
                                                         {"bogus", ""}};
    for (const auto& [value, entry] : cases) {
        t.settings.values["convert"] = value;
        frmItem& w = open();
        EXPECT_EQ(w.strConvertOption, value);
        for (QAction* a : {w.mnuConvertProper, w.mnuConvertUpper, w.mnuConvertNone})
            EXPECT_EQ(a->isChecked(), a->objectName() == entry) << value;
        w.close();
        deleteClosed();
    }
    t.settings.values.erase("convert");
    EXPECT_TRUE(open().mnuConvertProper->isChecked()); // default "proper"
}

TEST_F(EditorTest, ClosingStoresTheOptionAndClearsTheFlag) {
    frmItem& w = open();
    w.close();
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
    EXPECT_EQ(t.settings.values["convert"], "proper"); // as read, until a menu entry is chosen
    deleteClosed();
    EXPECT_TRUE(host.editor.isNull());

    open().mnuConvertUpper->trigger();
    host.editor->close();
    EXPECT_EQ(t.settings.values["convert"], "Upper");
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(EditorTest, DestroyingTheWindowRunsNoRuleOfItsFields) {
    open();
    field(4)->setText("xyz");
    field(3)->setFocus();
    QTest::keyClicks(field(3), "abc");
    delete host.editor.data();
    EXPECT_TRUE(t.prompts.boxes.empty());
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
}

TEST_F(EditorTest, SettingsThatCannotBeWrittenAreReportedAndEndTheProgram) {
    struct ReadOnlySettings : MemorySettings {
        void save(const QString&, const QString&) override { throw Failure("Disk full"); }
    } settings;
    t.ctx.settings = &settings;
    open().close();
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"An error has occured: \r\nfrmItem.Form_Unload: Disk full."});
    EXPECT_EQ(t.end.calls, 1);
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
}

TEST_F(EditorTest, LoadingShowsTheStoredItemAndOnlyAChangeEnablesSave) {
    seed({{"Milk", "2", "1.5", "1 gal", 7, "05", "Y", "3"}});
    frmItem& w = open("1");
    const QStringList expected = {"Milk", "1 gal", "05", "2", "1.50"};
    for (int i = 0; i < frmItem::kFieldCount; ++i)
        EXPECT_EQ(field(i)->text(), expected[i]);
    EXPECT_FALSE(w.cmdSave->isEnabled());
    field(0)->setText("Milk"); // the same text is no change
    EXPECT_FALSE(w.cmdSave->isEnabled());
    QTest::keyClick(field(0), Qt::Key_S);
    EXPECT_TRUE(w.cmdSave->isEnabled());
    w.lblID->setCaption("0"); // a new item: empty fields
    for (int i = 0; i < frmItem::kFieldCount; ++i)
        EXPECT_EQ(field(i)->text(), "");
    EXPECT_FALSE(w.cmdSave->isEnabled());
}

TEST_F(EditorTest, ReadFailureIsReportedAndLeavesTheFieldsEmpty) {
    ASSERT_TRUE(QDir().mkdir(t.srcFile())); // a directory where the file should be
    frmItem& w = open();
    field(0)->setText("typed");
    w.lblID->setCaption("1");
    ASSERT_EQ(t.prompts.messages().size(), 1u);
    EXPECT_TRUE(t.prompts.messages()[0].startsWith(
        "An error has occured: \r\nfrmItem.lblID_Change_Error: "));
    EXPECT_EQ(field(0)->text(), "");
    EXPECT_FALSE(w.cmdSave->isEnabled());
}
