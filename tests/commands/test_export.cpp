// Export of the shopping list to Cartwise.txt: the file byte for byte, the boxes shown, the
// stored directory, and what a spreadsheet makes of the file.
#include "app/ExportCommand.h"

#include "TestContext.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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
    // Milk, then a row with a quantity of 0 (an empty cell), quotes and Windows-1252 text.
    void addTwoItems() {
        grid.rows.push_back({"1", "05", "  Milk ", "1 gal", "Dairy", "2", "4.98"});
        grid.rows.push_back({"2", "", QString::fromUtf8("12\" Café"), "\"Large\"",
                             QString::fromUtf8("Drinks €, misc"), "", "0.00"});
    }
    // Too long once its quotes are doubled: the two quote cells keep 44 quotes each.
    void addLongRow() {
        grid.rows.push_back({"3", QString(50, '"'), QString(50, '"'), QString(50, 'S'),
                             QString(50, 'C'), "1", "1.00"});
    }
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

    // Two items in grid order, the first in bytes 300 to 599.
    addTwoItems();
    t.settings.values[kKey] = "/stored/before";
    EXPECT_EQ(
        run(t.dir.path(), &FakePrompts::answerYes),
        padded(kHeader, 300) +
            padded("\"05\",\"Milk\",\"1 gal\",\"Dairy\",\"2\",\"4.98\"\r\n", 300) +
            padded(
                "\"\",\"12\"\" Caf\xE9\",\"\"\"Large\"\"\",\"Drinks \x80, misc\",\"\",\"0.00\"\r\n",
                300));
    EXPECT_EQ(t.prompts.boxes[2].defaultText, "/stored/before");
    EXPECT_EQ(t.prompts.boxes[3].text, "File already exists. Do you want to overwrite it ?");
    EXPECT_EQ(t.prompts.boxes[3].caption, "Overwrite Existing File");

    // The longest cell loses whole quotes, in turn, until the line with its CR LF is exactly
    // one record long; nothing is left of the longer old file.
    grid.rows.resize(1);
    addLongRow();
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

TEST_F(Export, SpreadsheetFindsEveryCellInItsPlace) {
    const QString ssconvert = QStandardPaths::findExecutable("ssconvert");
    if (ssconvert.isEmpty()) GTEST_SKIP() << "ssconvert (gnumeric) is not installed";
    addTwoItems();
    addLongRow();
    run(t.dir.path());

    const QString csv = t.path("read-back.csv");
    QProcess p;
    p.start(ssconvert, {"--import-encoding=CP1252", "-T", "Gnumeric_stf:stf_csv",
                        t.path("Cartwise.txt"), csv});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    // The spreadsheet's own CSV: it quotes where it must, numeric text becomes a number (05
    // shows as 5) and the blank padding of the records is gone.
    const QString quotes(88, '"');
    EXPECT_EQ(QString::fromUtf8(readFile(csv)),
              QString::fromUtf8("Isle,Item,Size,Category,Qty,Total\n"
                                "5,Milk,\"1 gal\",Dairy,2,4.98\n"
                                ",\"12\"\" Café\",\"\"\"Large\"\"\",\"Drinks €, misc\",,0\n\"") +
                  quotes + "\",\"" + quotes + "\"," + QString(50, 'S') + ',' + QString(50, 'C') +
                  ",1,1\n");
}

} // namespace
