// Undo and redo from the Edit menu's keys: the files come back byte for byte, and the lists,
// the grid, the total and an open item editor show them; what another program changed is
// never written over.
#include "MainWindowFixture.h"
#include "editor/ItemEditor.h"

#include <QAction>
#include <QLineEdit>

using namespace cw;
using namespace cw::test;

class HistoryTest : public MainWindowTest {
protected:
    Files files() const { return filesOf(t); }
    QString entry(const char* name) { return find<QAction>(name)->text(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(w.get(), key, modifiers);
    }
};

TEST_F(HistoryTest, ADeletedCategoryComesBackWithItsItemsAndTheirPlacesOnTheList) {
    catalogue("3"); // Milk on the list, three of them
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord("Bakery"));
    writeFile(t.srcFile(),
              readFile(t.srcFile()) + itemRecord({"Bread", "1", "2.49", "", 2, "", "Y", "1"}));
    start();
    EXPECT_EQ(entry("undoAction"), "&Undo");
    EXPECT_FALSE(find<QAction>("undoAction")->isEnabled());
    const Files before = files();
    choose("lstCat", "Dairy");
    t.prompts.answerYes();
    click("cmdDeleteCat");
    const Files deleted = files();
    ASSERT_EQ(texts("lstCat"), QStringList{"Bakery"});
    ASSERT_EQ(column(2), (QStringList{"Bread", "Tea"}));
    EXPECT_EQ(entry("undoAction"), "&Undo Delete Cat");

    press(Qt::Key_Z);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(texts("lstCat"), (QStringList{"Bakery", "Dairy"}));
    EXPECT_EQ(column(2), (QStringList{"Bread", "Milk", "Tea"}));
    EXPECT_EQ(column(5), (QStringList{"1", "3", "1"}));
    EXPECT_EQ(total(), "9.36");
    EXPECT_EQ(entry("redoAction"), "&Redo Delete Cat");
    EXPECT_FALSE(find<QAction>("undoAction")->isEnabled());

    press(Qt::Key_Y); // and Ctrl+Shift+Z, after another undo
    EXPECT_EQ(files(), deleted);
    press(Qt::Key_Z);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(files(), deleted);
    EXPECT_EQ(column(2), (QStringList{"Bread", "Tea"}));
    EXPECT_EQ(total(), "5.49");
    EXPECT_TRUE(t.prompts.boxes.size() == 1); // the one question
}

TEST_F(HistoryTest, ClearListAndQuantitiesUndoOneCommandAtATime) {
    catalogue("3");
    start();
    const Files listed = files();
    chooseRow("Milk");
    click("cmdNum5");
    const Files five = files();
    t.prompts.answerYes();
    click("cmdClearList");
    ASSERT_TRUE(column(2).isEmpty());
    EXPECT_EQ(entry("undoAction"), "&Undo Clear List");
    press(Qt::Key_Z);
    EXPECT_EQ(files(), five);
    EXPECT_EQ(column(2), (QStringList{"Milk", "Tea"}));
    EXPECT_EQ(entry("undoAction"), "&Undo Change Quantity");
    press(Qt::Key_Z);
    EXPECT_EQ(files(), listed);
    EXPECT_EQ(column(5), (QStringList{"3", "1"}));

    // Another program changes Milk's size: the quantity is not set again over it.
    QByteArray changed = readFile(t.srcFile());
    changed.replace(70, 5, "2 gal");
    writeFile(t.srcFile(), changed);
    press(Qt::Key_Y);
    EXPECT_EQ(readFile(t.srcFile()), changed);
    EXPECT_TRUE(t.prompts.messages().back().startsWith("This change cannot be done again"));
    EXPECT_FALSE(find<QAction>("redoAction")->isEnabled());
    EXPECT_EQ(column(3), (QStringList{"2 gal", ""})); // the file as it is now
}

TEST_F(HistoryTest, AnOpenEditorShowsTheItemAsUndoLeftIt) {
    catalogue();
    start();
    choose("lstCat", "Dairy");
    choose("lstAvailable", "Milk");
    click("cmdEditItem");
    auto* editor = w->findChild<ItemEditor*>();
    ASSERT_NE(editor, nullptr);
    QLineEdit* description = editor->field(ItemEditor::Description);
    description->setText("Oat Milk");
    QTest::mouseClick(editor->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    ASSERT_EQ(t.prompts.messages(), std::vector<QString>{"Record saved"});
    EXPECT_EQ(entry("undoAction"), "&Undo Edit Item");
    press(Qt::Key_Z);
    EXPECT_EQ(description->text(), "Milk");
    EXPECT_EQ(texts("lstAvailable"), (QStringList{"Butter", "Eggs", "Milk"}));
    EXPECT_EQ(texts("lstAvailable").indexOf("Milk"),
              find<QAbstractItemView>("lstAvailable")->currentIndex().row()); // still chosen
    press(Qt::Key_Y);
    EXPECT_EQ(description->text(), "Oat Milk");
}
