// Find Item as a user drives it: Ctrl+F, typing, Enter to put the chosen item on the list
// with Item To List's rules, Ctrl+Enter to show it in the main window, Escape to close.
#include "MainWindowFixture.h"
#include "find/FindItemDialog.h"

#include <QLineEdit>

using namespace cw;
using namespace cw::test;

namespace {

class FindTest : public MainWindowTest {
protected:
    FindItemDialog* open() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow(); }));
        QTest::keyClick(w.get(), Qt::Key_F, Qt::ControlModifier);
        auto* dialog = w->findChild<FindItemDialog*>();
        EXPECT_TRUE(dialog && QTest::qWaitFor([&] { return dialog->isActiveWindow(); }));
        return dialog;
    }
    static QStringList found(FindItemDialog* d, int column = 0) {
        return texts(d->findChild<QAbstractItemView*>("foundItems"), column);
    }
};

} // namespace

TEST_F(FindTest, TypingFindsAndEnterPutsTheChosenItemOnTheListAsItemToListDoes) {
    catalogue();
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord("Bakery"));
    writeFile(t.srcFile(), readFile(t.srcFile()) + itemRecord({"Buttermilk Biscuits", "6", "2.00",
                                                               "", 2, "12", "N", ""}));
    start();
    FindItemDialog* dialog = open();
    QLineEdit* field = dialog->field();
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "BUTT");
    EXPECT_EQ(found(dialog), (QStringList{"Butter", "Buttermilk Biscuits"}));
    EXPECT_EQ(found(dialog, 2), (QStringList{"Dairy", "Bakery"}));
    EXPECT_EQ(dialog->findChild<QLabel*>("foundCount")->text(), "2 items found.");
    QTest::keyClicks(field, " bis");
    EXPECT_EQ(found(dialog), QStringList{"Buttermilk Biscuits"});

    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(itemBytes(5).mid(174, 11), "Y6         "); // its default quantity
    EXPECT_EQ(column(2), (QStringList{"Buttermilk Biscuits", "Tea"}));
    EXPECT_EQ(total(), "15.00");
    EXPECT_EQ(found(dialog, 5), QStringList{"Yes"});
    QTest::keyClick(field, Qt::Key_Return); // the rules and the message of Item To List
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Item already on current list"});

    // Down moves the chosen row from the field; a double click puts that one on the list.
    field->clear();
    QTest::keyClicks(field, "e");
    ASSERT_EQ(found(dialog), (QStringList{"Butter", "Buttermilk Biscuits", "Eggs", "Tea"}));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    clickRow(dialog->findChild<QAbstractItemView*>("foundItems"), 0, "Eggs", true);
    EXPECT_EQ(itemBytes(3).at(174), 'Y');

    // Ctrl+Enter shows the chosen item in the main window; the window opens again as it was
    // left, its text ready to be typed over, and Escape closes it.
    QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(find<QAbstractItemView>("lstCat")->currentIndex().data().toString(), "Dairy");
    EXPECT_EQ(find<QAbstractItemView>("lstAvailable")->currentIndex().data().toString(), "Eggs");
    EXPECT_EQ(open()->field()->selectedText(), "e");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}
