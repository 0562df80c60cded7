// The program in German: its windows speak German and show numbers with a decimal comma, while
// the files, the export and the settings stay byte for byte what they are in English.
#include "MainWindowFixture.h"
#include "commands/ExportCommand.h"
#include "model/ShoppingList.h"
#include "platform/Translations.h"

#include <QAction>
#include <QScopeGuard>

using namespace cw;
using namespace cw::test;

namespace {

// The texts as the program translates them, checked to be German and not the English source.
QString german(const char* context, const char* english) {
    const QString text = QCoreApplication::translate(context, english);
    EXPECT_NE(text, QString::fromUtf8(english)) << english;
    return text;
}

} // namespace

TEST_F(MainWindowTest, InGermanTheWindowsSpeakGermanAndTheFilesStayAsTheyAre) {
    catalogue("3");
    // The same session, in English and then in German, leaves the same bytes.
    auto session = [&](const QString& folder) {
        start();
        choose("lstCat", "Dairy");
        choose("lstAvailable", "Butter");
        click("cmdItemToList");
        find<QAction>("mnuSortIsle")->trigger();
        t.prompts.answerInput(t.path(folder));
        exportList(t.ctx, w->findChild<ShoppingList*>()->model());
        w->close();
        const QByteArray bytes = readFile(t.srcFile()) + readFile(t.catFile()) +
                                 readFile(t.path(folder + "/Cartwise.txt")) +
                                 t.settings.values["sort"].toUtf8();
        w.reset();
        return bytes;
    };
    const QByteArray original = readFile(t.srcFile());
    QDir(t.dir.path()).mkdir("en");
    QDir(t.dir.path()).mkdir("de");
    const QByteArray english = session("en");
    ASSERT_EQ(t.settings.values["sort"], "Sorted by Isle");

    writeFile(t.srcFile(), original);
    t.settings.values.clear();
    t.prompts.clear();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto english_again =
        qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
    const Translations translations(*qApp);
    ASSERT_FALSE(translations.folder().isEmpty()) << "no German translation was built";

    start();
    EXPECT_EQ(find<QPushButton>("cmdNewCat")->text(), german("cw::CategoryPanel", "New Cat"));
    EXPECT_EQ(find<QLabel>("lblSort")->text(), german("cw::ShoppingList", "Sorted by Item"));
    EXPECT_EQ(grid().model()->headerData(2, Qt::Horizontal).toString(),
              german("cw::ShoppingListModel", "Item  "));
    EXPECT_EQ(total(), "6,87"); // 3 x 1.29, and Tea
    EXPECT_EQ(column(6), (QStringList{"3,87", "3,00"}));
    click("cmdRemoveItem"); // a box in German too
    click("cmdRemoveItem");
    click("cmdRemoveItem");
    EXPECT_EQ(t.prompts.messages().back(),
              german("cw::ShoppingList", "No entry selected in current shopping list"));
    w->close();
    w.reset();
    writeFile(t.srcFile(), original);
    t.prompts.clear();
    EXPECT_EQ(session("de"), english);
}
