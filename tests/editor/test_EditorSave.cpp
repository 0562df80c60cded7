// Loading and saving an item: when Save is enabled, what is refused, how failures end.
#include "EditorFixture.h"
#include "core/Failure.h"

#include <QDir>
#include <QFile>

using namespace cw;
using namespace cw::test;

TEST_F(EditorTest, SaveIsEnabledOnlyByAChangeSinceLoadingOrSaving) {
    writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.5", "1 gal", 7, "05", "Y", "3"}));
    frmItem& w = open("1");
    EXPECT_EQ(texts(), QStringList({"Milk", "1 gal", "05", "2", "1.50"}));
    EXPECT_FALSE(w.cmdSave->isEnabled());
    QTest::keyClick(field(0), Qt::Key_S);
    EXPECT_TRUE(w.cmdSave->isEnabled());
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milks", "2.00", "1.50", "1 gal", 7, "05", "Y", "3"}));
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Record saved"});
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(w.cmdSave->isEnabled());
}

TEST_F(EditorTest, BlankDescriptionIsRefusedAndTheFocusGoesBack) {
    frmItem& w = open();
    QTest::keyClicks(field(0), "   ");
    typeAndLeave(1, "2 lb");
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Can't save item with blank description"});
    EXPECT_EQ(QApplication::focusWidget(), field(0));
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_FALSE(QFile::exists(t.srcFile()));
}

TEST_F(EditorTest, StoreFailuresKeepTheInputForAnotherTryAndSettingsOnesEndTheProgram) {
    ASSERT_TRUE(QDir().mkdir(t.srcFile())); // a directory where the item file should be
    frmItem& w = open();
    QTest::keyClicks(field(0), "bread");
    w.cmdSave_Click();
    EXPECT_EQ(field(0)->text(), "bread");
    EXPECT_TRUE(w.cmdSave->isEnabled());
    w.lblID->setCaption("1"); // an existing item cannot be read: the fields stay empty
    EXPECT_EQ(field(0)->text(), "");
    EXPECT_FALSE(w.cmdSave->isEnabled());
    field(0)->setText("Oat milk");
    w.cmdSave_Click();
    EXPECT_EQ(field(0)->text(), "Oat milk");
    EXPECT_TRUE(w.cmdSave->isEnabled());
    const char* expected[] = {
        "An error has occured: \r\ncSourceItem.lngAddRecord_Error: ", "New record was not saved",
        "An error has occured: \r\nfrmItem.lblID_Change_Error: ",
        "An error has occured: \r\ncSourceItem.blnEditRecord_Error: ",
        "Error! Record was not saved"};
    const auto messages = t.prompts.messages();
    ASSERT_EQ(messages.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(messages[i].startsWith(expected[i])) << messages[i].toStdString();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(refreshes, 0);

    struct ReadOnlySettings : MemorySettings {
        void save(const QString&, const QString&) override { throw Failure("Disk full"); }
    } settings;
    t.ctx.settings = &settings;
    bool unloaded = false;
    QObject::connect(&w, &frmItem::unloaded, [&] { unloaded = true; });
    w.close(); // a failure no procedure traps ends the program, the window goes all the same
    EXPECT_EQ(t.prompts.messages().back(),
              "Run-time error: Disk full\r\n\r\nCartwise will now close.");
    EXPECT_EQ(t.end.calls, 1);
    EXPECT_TRUE(unloaded);
}
