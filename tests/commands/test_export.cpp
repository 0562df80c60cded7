// Export of the shopping list to Cartwise.txt: the file byte for byte (quotes doubled, long
// lines shortened), the boxes shown and the stored directory.
#include "commands/ExportCommand.h"

#include "TestContext.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QString kKey = QStringLiteral("exportdirectory");
const QByteArray kHeader = "\"Isle\",\"Item\",\"Size\",\"Category\",\"Qty\",\"Total\"\r\n";

// The shopping list grid: the header row as the main window shows it, then the rows added.
struct Grid : GridSource {
    std::vector<QStringList> rows{
        {"ID ", " Isle ", "Item  ", "Size ", "Category ", "Qty ", "Total  "}};
    int rowCount() const override { return static_cast<int>(rows.size()); }
    QString cellText(int row, int col) const override { return rows.at(row).at(col); }
    QString totalCaption() const override { return QString(); }
};

class Export : public ::testing::Test {
protected:
    Export() { t.ctx.documentsDir = t.dir.path(); }
    // Answers the directory question with `dir` (and the overwrite question with `overwrite`)
    // and returns what lies in dir/Cartwise.txt.
    QByteArray run(const QString& dir, void (FakePrompts::*overwrite)() = nullptr) {
        t.prompts.answerInput(dir);
        if (overwrite) (t.prompts.*overwrite)();
        mnuExport_Click(t.ctx, grid);
        return readFile(dir + "/Cartwise.txt");
    }

    TestContext t;
    Grid grid;
};

TEST_F(Export, EveryGridRowBecomesOneRecordOverTheOldFile) {
    // The empty list: the header record alone.
    EXPECT_EQ(run(t.dir.path()), padded(kHeader, 300));
    const Box& input = t.prompts.boxes[0];
    EXPECT_EQ(input.text, "Enter directory where file will be located. File name will be "
                          "Cartwise.txt and format will be comma delimetered text which can be "
                          "imported into popular spreadsheets and databases.");
    EXPECT_EQ(input.caption, "Export Shopping List");
    EXPECT_EQ(input.defaultText, t.ctx.documentsDir); // nothing stored yet
    EXPECT_EQ(t.prompts.messages(), std::vector<QString>{"Export Process has completed"});

    // A quantity of 0 (an empty cell), quotes doubled, Windows-1252 text.
    grid.rows.push_back({"2", "", QString::fromUtf8("12\" Café"), "\"Large\"",
                         QString::fromUtf8("Drinks €, misc"), "", "0.00"});
    t.settings.values[kKey] = "/stored/before";
    EXPECT_EQ(
        run(t.dir.path(), &FakePrompts::answerYes),
        padded(kHeader, 300) +
            padded(
                "\"\",\"12\"\" Caf\xE9\",\"\"\"Large\"\"\",\"Drinks \x80, misc\",\"\",\"0.00\"\r\n",
                300));
    EXPECT_EQ(t.prompts.boxes[2].defaultText, "/stored/before");
    EXPECT_EQ(t.prompts.boxes[3].text, "File already exists. Do you want to overwrite it ?");
    EXPECT_EQ(t.prompts.boxes[3].caption, "Overwrite Existing File");

    // The longest cell loses whole quotes, in turn, until the line with its CR LF is exactly
    // one record long; nothing is left of the longer old file.
    grid.rows.resize(1);
    grid.rows.push_back(
        {"3", QString(50, '"'), QString(50, '"'), QString(50, 'S'), QString(50, 'C'), "1", "1.00"});
    const QByteArray pairs(88, '"');
    EXPECT_EQ(run(t.dir.path(), &FakePrompts::answerYes),
              padded(kHeader, 300) + "\"" + pairs + "\",\"" + pairs + "\",\"" +
                  QByteArray(50, 'S') + "\",\"" + QByteArray(50, 'C') + "\",\"1\",\"1.00\"\r\n");
}

TEST_F(Export, CancelBlankOrNoToOverwriteWriteNothing) {
    writeFile(t.path("Cartwise.txt"), "last week's list");
    t.settings.values[kKey] = "/stored/before";
    EXPECT_EQ(run(QString()), QByteArray());
    EXPECT_EQ(run("   "), QByteArray());
    EXPECT_EQ(t.prompts.boxes.size(), 2u); // the input boxes alone
    EXPECT_EQ(t.settings.values[kKey], "/stored/before");

    // No to overwrite keeps the old file, yet the directory is stored.
    EXPECT_EQ(run(t.dir.path(), &FakePrompts::answerNo), "last week's list");
    EXPECT_EQ(t.settings.values[kKey], t.dir.path());
    EXPECT_EQ(t.prompts.boxes.size(), 4u); // no message after the question
}

TEST_F(Export, MissingDirectoryIsReportedAndNothingIsWritten) {
    const QString dir = t.path("no such folder");
    run(dir);
    EXPECT_FALSE(QFileInfo::exists(dir));
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"An error has occured: \r\nmnuExport_Click_Error: "
                                   "No such file or directory."});
    EXPECT_EQ(t.settings.values[kKey], dir); // stored before the failure
}

} // namespace
