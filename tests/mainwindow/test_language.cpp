// The program in German: captions, boxes and shown numbers in German, while what is stored
// (the sort order) and exported stays as in English. The end-to-end story compares a whole
// German session's files with an English one's.
#include "MainWindowFixture.h"
#include "commands/ExportCommand.h"
#include "model/ShoppingList.h"
#include "platform/Translations.h"

#include <QAction>
#include <QScopeGuard>

using namespace cw;
using namespace cw::test;

namespace {

// A text as the program translates it, checked to be German and not the English source.
QString german(const char* context, const char* english) {
    const QString text = QCoreApplication::translate(context, english);
    EXPECT_NE(text, QString::fromUtf8(english)) << english;
    return text;
}

} // namespace

TEST_F(MainWindowTest, InGermanTheWindowsSpeakGermanAndWhatIsStoredStaysAsItIs) {
    catalogue("3"); // Milk, three on the list, and Tea
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto english =
        qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
    const Translations translations(*qApp);
    ASSERT_FALSE(translations.folder().isEmpty()) << "no German translation was built";
    start();
    EXPECT_EQ(find<QPushButton>("cmdNewCat")->text(), german("cw::CategoryPanel", "New Cat"));
    EXPECT_EQ(grid().model()->headerData(2, Qt::Horizontal).toString(),
              german("cw::ShoppingListModel", "Item  "));
    EXPECT_EQ(total(), "6,87"); // 3 x 1.29, and Tea, with a decimal comma
    EXPECT_EQ(column(6), (QStringList{"3,87", "3,00"}));

    find<QAction>("mnuSortIsle")->trigger();
    EXPECT_EQ(find<QLabel>("lblSort")->text(), german("cw::ShoppingList", "Sorted by Isle"));
    t.prompts.answerInput(t.dir.path());
    exportList(t.ctx, w->findChild<ShoppingList*>()->model());
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{german("cw::ExportCommand", "Export Process has completed")});
    EXPECT_TRUE(readFile(t.path("Cartwise.txt"))
                    .startsWith(R"("Isle","Item","Size","Category","Qty","Total")"));
    EXPECT_TRUE(readFile(t.path("Cartwise.txt")).contains(R"("3","3.87")"));
    w->close();
    EXPECT_EQ(t.settings.values["sort"], "Sorted by Isle");
}
