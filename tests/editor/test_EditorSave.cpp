// Saving new and existing items: the record bytes, the available items list, the messages.
#include "EditorFixture.h"

#include <QDir>
#include <QFile>

using namespace cw;
using namespace cw::test;

namespace {
QByteArray recordAt(const QByteArray& file, int id) {
    return file.mid((id - 1) * 235, 235);
}
} // namespace

TEST_F(EditorTest, NewItemWithOnlyADescriptionIsStoredWithDefaultsSelectedAndClosed) {
    seed({{"Apples", "1", "0.50", "", 7, "", "N", ""}, {"Milk", "2", "1.29", "", 7, "", "N", ""}});
    frmItem& w = open();
    QTest::keyClicks(field(0), "  bread");
    QStringList shownOnSave;
    t.prompts.onShow = [&](const Box& b) {
        if (b.text != "Record saved") return;
        // The editor was handed the new item and shows it as stored before it closes.
        shownOnSave << w.lblID->caption() << field(0)->text() << field(3)->text()
                    << field(4)->text() << QString::number(w.cmdSave->isEnabled())
                    << QString::number(host.refreshes);
    };
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    EXPECT_EQ(recordAt(readFile(t.srcFile()), 3),
              itemRecord({"Bread", "1", "0.00", "", 7, "", "N", ""}));
    ASSERT_EQ(host.list.count(), 3);
    EXPECT_EQ(host.list.text(1), "Bread");
    EXPECT_EQ(host.list.itemData(1), 3);
    EXPECT_EQ(host.list.selectedIndex(), 1);
    EXPECT_EQ(shownOnSave, QStringList({"3", "Bread", "1", "0.00", "0", "1"}));
    ASSERT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(t.prompts.boxes[0].caption, "Cartwise");
    EXPECT_FALSE(t.ctx.blnItemFormLoaded);
    EXPECT_EQ(t.settings.values["convert"], "proper");
    deleteClosed();
    EXPECT_TRUE(host.editor.isNull());
}

TEST_F(EditorTest, EditedItemKeepsItsShoppingListStateAndItsPlace) {
    seed({{"Apples", "2", "0.50", "bag", 7, "3", "Y", "4"},
          {"Milk", "1", "1.29", "", 7, "", "N", ""}});
    frmItem& w = open("1");
    host.list.setSelectedIndex(0);
    field(0)->selectAll();
    QTest::keyClicks(field(0), "zucchini");
    field(4)->selectAll();
    QTest::keyClicks(field(4), "0.75");
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    const QByteArray file = readFile(t.srcFile());
    EXPECT_EQ(recordAt(file, 1), itemRecord({"Zucchini", "2.00", "0.75", "bag", 7, "3", "Y", "4"}));
    EXPECT_EQ(recordAt(file, 2), itemRecord({"Milk", "1", "1.29", "", 7, "", "N", ""}));
    EXPECT_EQ(host.list.text(0), "Zucchini"); // renamed in place
    EXPECT_EQ(host.list.itemData(0), 1);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Record saved"});
    EXPECT_TRUE(t.ctx.blnItemFormLoaded);
    EXPECT_FALSE(w.cmdSave->isEnabled());
    EXPECT_EQ(field(0)->text(), "Zucchini");

    // An item that is not the list's selected entry leaves the list alone.
    host.list.setSelectedIndex(-1);
    field(1)->setText("jar");
    w.cmdSave_Click();
    EXPECT_EQ(recordAt(readFile(t.srcFile()), 1).mid(70, 3), "jar");
    EXPECT_EQ(host.list.text(0), "Zucchini");
}

TEST_F(EditorTest, BlankDescriptionIsRefusedAndTheFocusGoesBack) {
    frmItem& w = open();
    QTest::keyClicks(field(0), "   ");
    field(1)->setFocus();
    QTest::keyClicks(field(1), "2 lb");
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Can't save item with blank description"});
    EXPECT_EQ(QApplication::focusWidget(), field(0));
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_FALSE(QFile::exists(t.srcFile()));
    EXPECT_EQ(host.list.count(), 0);
}

TEST_F(EditorTest, StoreFailuresKeepTheInputForAnotherTry) {
    ASSERT_TRUE(QDir().mkdir(t.srcFile()));
    frmItem& w = open();
    QTest::keyClicks(field(0), "bread");
    w.cmdSave_Click();
    auto messages = t.prompts.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(
        messages[0].startsWith("An error has occured: \r\ncSourceItem.lngAddRecord_Error: "));
    EXPECT_EQ(messages[1], "New record was not saved");
    EXPECT_EQ(field(0)->text(), "bread");
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_EQ(host.list.count(), 0);
    EXPECT_EQ(host.refreshes, 0);
    EXPECT_TRUE(t.ctx.blnItemFormLoaded);

    // An existing item whose file has gone.
    ASSERT_TRUE(QDir().rmdir(t.srcFile()));
    seed({{"Milk", "1", "1.29", "", 7, "", "N", ""}});
    w.lblID->setCaption("1");
    ASSERT_TRUE(QFile::remove(t.srcFile()) && QDir().mkdir(t.srcFile()));
    t.prompts.clear();
    field(0)->setText("Oat milk");
    w.cmdSave_Click();
    messages = t.prompts.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(
        messages[0].startsWith("An error has occured: \r\ncSourceItem.blnEditRecord_Error: "));
    EXPECT_EQ(messages[1], "Error! Record was not saved");
    EXPECT_EQ(field(0)->text(), "Oat milk");
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_EQ(host.list.text(0), "Milk");
}
