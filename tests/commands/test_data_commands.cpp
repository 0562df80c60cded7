// Deleting all data and the technical support notice.
#include "app/DataCommands.h"

#include "TestContext.h"
#include "info/SupportContact.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QString kFirstQuestion = QStringLiteral(
    "You can use this option to delete all data in the Cartwise files. This means all "
    "categories and all items will be permanently deleted. In essence, this means you will be "
    "starting from scratch.\r\n\r\nIf you choose this option, all data will be permanently "
    "deleted and the program will terminate. When you restart the program, there will be no "
    "categories and no data.\r\n\r\nDo you want to PERMANENTLY DELETE ALL YOUR DATA NOW ?");
const QString kSecondQuestion = QStringLiteral(
    "OK. I'll give you one more chance. Are you absolutely sure beyond all reasonable doubt "
    "that you want to delete all your data and terminate the program now ?");

class DeleteAllData : public ::testing::Test {
protected:
    DeleteAllData() {
        writeFile(t.catFile(), categoryRecord("Dairy"));
        writeFile(t.srcFile(), itemRecord({"Milk", "1", "2.49", "", 1, "", "Y", "1"}));
        t.settings.values["sort"] = "Sorted by Isle";
    }
    bool catThere() const { return QFileInfo::exists(t.catFile()); }
    bool srcThere() const { return QFileInfo::exists(t.srcFile()); }

    TestContext t;
};

TEST_F(DeleteAllData, AsksTwiceAndNoAtEitherQuestionChangesNothing) {
    t.prompts.answerNo();
    mnuDeleteAllData_Click(t.ctx);
    ASSERT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(t.prompts.boxes[0].text, kFirstQuestion);
    EXPECT_EQ(t.prompts.boxes[0].caption, "DELETE ALL DATA");
    EXPECT_EQ(t.prompts.boxes[0].buttons, MsgButtons::YesNo);

    t.prompts.clear();
    t.prompts.answerYes();
    t.prompts.answerNo();
    mnuDeleteAllData_Click(t.ctx);
    ASSERT_EQ(t.prompts.boxes.size(), 2u);
    EXPECT_EQ(t.prompts.boxes[1].text, kSecondQuestion);
    EXPECT_EQ(t.prompts.boxes[1].caption, "DELETE ALL DATA");
    EXPECT_EQ(t.prompts.boxes[1].buttons, MsgButtons::YesNo);

    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy"));
    EXPECT_EQ(readFile(t.srcFile()).left(4), "Milk");
    EXPECT_EQ(t.end.calls, 0);
}

TEST_F(DeleteAllData, YesTwiceRemovesBothFilesAndEnds) {
    // The item file goes first: when the end comes, both are gone.
    t.prompts.answerYes();
    t.prompts.answerYes();
    mnuDeleteAllData_Click(t.ctx);

    EXPECT_FALSE(srcThere());
    EXPECT_FALSE(catThere());
    EXPECT_EQ(t.end.calls, 1);
    EXPECT_EQ(t.prompts.boxes.size(), 2u); // no message after the questions
    EXPECT_EQ(t.settings.values, (std::map<QString, QString>{{"sort", "Sorted by Isle"}}));
}

TEST_F(DeleteAllData, FailingDeletionsArePassedOver) {
    // No item file: the category file still goes.
    QFile::remove(t.srcFile());
    t.prompts.answerYes();
    t.prompts.answerYes();
    mnuDeleteAllData_Click(t.ctx);
    EXPECT_FALSE(catThere());
    EXPECT_EQ(t.end.calls, 1);

    // An item file that cannot be removed (a folder in its place) does not stop the rest.
    writeFile(t.catFile(), categoryRecord("Dairy"));
    ASSERT_TRUE(QDir().mkpath(t.srcFile() + "/inside"));
    t.prompts.answerYes();
    t.prompts.answerYes();
    mnuDeleteAllData_Click(t.ctx);
    EXPECT_FALSE(catThere());
    EXPECT_EQ(t.end.calls, 2);
    EXPECT_EQ(t.prompts.boxes.size(), 4u); // silently
}

TEST(TechSupport, TwoParagraphsWithTheContactDetails) {
    TestContext t;
    mnuTechSupport_Click(t.ctx);

    ASSERT_EQ(t.prompts.boxes.size(), 1u);
    const Box& box = t.prompts.boxes[0];
    EXPECT_EQ(box.caption, "Tech Support");
    EXPECT_EQ(box.icon, MsgIcon::Information);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    const QStringList paragraphs = box.text.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 2);
    for (const QString& p : paragraphs) {
        EXPECT_FALSE(p.contains('\r') || p.contains('\n')) << p.toStdString();
        EXPECT_FALSE(p.trimmed().isEmpty());
    }
    EXPECT_EQ(paragraphs[0], QStringLiteral("For technical support, please contact %1 of %2 by "
                                            "e-mail at %3.")
                                 .arg(support::kAuthor, support::kCompany, support::kEmail));
    EXPECT_EQ(paragraphs[1], QStringLiteral("A telephone call is discouraged, but if you must, "
                                            "you can call %1 from %2. Please note that this is "
                                            "not a toll-free call.")
                                 .arg(support::kTelephone, support::kCallingHours));
    EXPECT_EQ(t.end.calls, 0);
}

} // namespace
