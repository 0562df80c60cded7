// Deleting all data and the technical support notice.
#include "commands/DataCommands.h"

#include "TestContext.h"
#include "commands/SupportContact.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

TEST(DeleteAllData, NothingChangesUntilYesTwiceThenBothFilesGoAndTheProgramEnds) {
    TestContext t;
    const QByteArray cat = categoryRecord("Dairy");
    const QByteArray src = itemRecord({"Milk", "1", "2.49", "", 1, "", "Y", "1"});
    writeFile(t.catFile(), cat);
    writeFile(t.srcFile(), src);
    t.settings.values["sort"] = "Sorted by Isle";
    t.prompts.answerNo();
    mnuDeleteAllData_Click(t.ctx);
    t.prompts.answerYes();
    t.prompts.answerNo();
    mnuDeleteAllData_Click(t.ctx);

    const QString first = QStringLiteral(
        "You can use this option to delete all data in the Cartwise files. This means all "
        "categories and all items will be permanently deleted. In essence, this means you will "
        "be starting from scratch.\r\n\r\nIf you choose this option, all data will be "
        "permanently deleted and the program will terminate. When you restart the program, "
        "there will be no categories and no data.\r\n\r\nDo you want to PERMANENTLY DELETE ALL "
        "YOUR DATA NOW ?");
    const QString second = QStringLiteral(
        "OK. I'll give you one more chance. Are you absolutely sure beyond all reasonable doubt "
        "that you want to delete all your data and terminate the program now ?");
    EXPECT_EQ(t.prompts.messages(), (std::vector<QString>{first, first, second}));
    EXPECT_EQ(t.prompts.boxes[2].caption, "DELETE ALL DATA");
    EXPECT_EQ(readFile(t.catFile()) + readFile(t.srcFile()), cat + src);
    EXPECT_EQ(t.end.calls, 0);

    // Yes twice without an item file: the category file goes all the same. (Both files going
    // is one of the end-to-end stories.)
    QFile::remove(t.srcFile());
    t.prompts.answerYes();
    t.prompts.answerYes();
    mnuDeleteAllData_Click(t.ctx);
    EXPECT_FALSE(QFileInfo::exists(t.catFile()));
    EXPECT_EQ(t.end.calls, 1);
    EXPECT_EQ(t.settings.values, (std::map<QString, QString>{{"sort", "Sorted by Isle"}}));
}

TEST(TechSupport, TwoParagraphsWithTheContactDetails) {
    TestContext t;
    mnuTechSupport_Click(t.ctx);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{
                  QStringLiteral("For technical support, please contact %1 of %2 by e-mail at "
                                 "%3.\r\n\r\nA telephone call is discouraged, but if you must, "
                                 "you can call %4 from %5. Please note that this is not a "
                                 "toll-free call.")
                      .arg(support::kAuthor, support::kCompany, support::kEmail,
                           support::kTelephone, support::kCallingHours)});
}
