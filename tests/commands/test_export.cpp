// Export of the shopping list to Cartwise.txt: the file byte for byte, the boxes shown, the
// stored directory, and what stays behind when writing fails.
#include "app/ExportCommand.h"

#include "FakeGrid.h"
#include "FileSizeLimit.h"
#include "TestContext.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QString kKey = QStringLiteral("exportdirectory");
const QByteArray kHeaderLine = "\"Isle\",\"Item\",\"Size\",\"Category\",\"Qty\",\"Total\"\r\n";

// A line padded with blanks to a whole record.
QByteArray record(const QByteArray& line) {
    return line + QByteArray(300 - line.size(), ' ');
}

QString errorText(const QString& description) {
    return QStringLiteral("An error has occured: \r\nmnuExport_Click_Error: ") + description + '.';
}

class Export : public ::testing::Test {
protected:
    Export() {
        t.ctx.documentsDir = t.path("Documents");
        QDir().mkpath(t.ctx.documentsDir);
    }
    QString exportFile(const QString& dir) const { return dir + "/Cartwise.txt"; }
    void run() { mnuExport_Click(t.ctx, grid); }

    TestContext t;
    FakeGrid grid;
};

TEST_F(Export, EmptyListIsTheHeaderRecordAlone) {
    t.prompts.answerInput(t.ctx.documentsDir);
    run();

    const QByteArray bytes = readFile(exportFile(t.ctx.documentsDir));
    ASSERT_EQ(bytes.size(), 300);
    EXPECT_EQ(kHeaderLine.size(), 47);
    EXPECT_EQ(bytes, kHeaderLine + QByteArray(253, ' '));

    ASSERT_EQ(t.prompts.boxes.size(), 2u);
    const Box& input = t.prompts.boxes[0];
    EXPECT_EQ(input.kind, Box::Input);
    EXPECT_EQ(input.text, "Enter directory where file will be located. File name will be "
                          "Cartwise.txt and format will be comma delimetered text which can be "
                          "imported into popular spreadsheets and databases.");
    EXPECT_EQ(input.caption, "Export Shopping List");
    EXPECT_EQ(input.defaultText, t.ctx.documentsDir); // nothing stored yet
    const Box& done = t.prompts.boxes[1];
    EXPECT_EQ(done.text, "Export Process has completed");
    EXPECT_EQ(done.buttons, MsgButtons::Ok);
    EXPECT_EQ(done.caption, "Cartwise");
    EXPECT_EQ(t.settings.values[kKey], t.ctx.documentsDir);
}

TEST_F(Export, RowsBecomeRecordsInGridOrder) {
    grid.add("05", "  Milk ", "1 gal", "Dairy", "2", "4.98");
    // A quantity of 0 shows as an empty cell; text leaves in Windows-1252.
    grid.add("", QString::fromUtf8("Café crème"), "", QString::fromUtf8("Drinks €"), "", "0.00");
    t.settings.values[kKey] = "/stored/before";
    // A directory typed with a trailing separator still names the same file.
    const QString typed = t.ctx.documentsDir + '/';
    t.prompts.answerInput(typed);
    run();

    EXPECT_EQ(t.prompts.boxes[0].defaultText, "/stored/before");
    const QByteArray bytes = readFile(exportFile(t.ctx.documentsDir));
    ASSERT_EQ(bytes.size(), 900);
    EXPECT_EQ(bytes.left(300), record(kHeaderLine));
    EXPECT_EQ(bytes.mid(300, 300),
              record("\"05\",\"Milk\",\"1 gal\",\"Dairy\",\"2\",\"4.98\"\r\n"));
    EXPECT_EQ(bytes.mid(600),
              record("\"\",\"Caf\xE9 cr\xE8me\",\"\",\"Drinks \x80\",\"\",\"0.00\"\r\n"));
    EXPECT_EQ(t.settings.values[kKey], typed);
    EXPECT_EQ(t.prompts.messages().back(), "Export Process has completed");
}

TEST_F(Export, QuotesInsideCellsAreDoubled) {
    grid.add("7", "12\" Pizza", "\"Large\"", "Frozen, misc", "1", "6.99");
    t.prompts.answerInput(t.ctx.documentsDir);
    run();

    const QByteArray bytes = readFile(exportFile(t.ctx.documentsDir));
    ASSERT_EQ(bytes.size(), 600);
    EXPECT_EQ(
        bytes.mid(300),
        record("\"7\",\"12\"\" Pizza\",\"\"\"Large\"\"\",\"Frozen, misc\",\"1\",\"6.99\"\r\n"));
}

TEST(ExportLine, TooLongLinesAreShortenedWithoutBreakingTheFormat) {
    // Doubling fifty quotes in two cells: the two longest cells lose whole quotes, in turn,
    // until the line with its CR LF is exactly one record long.
    const QString quotes(50, '"');
    const QByteArray fitted =
        exportLine({quotes, quotes, QString(50, 'S'), QString(50, 'C'), "3", "1.00"});
    const QByteArray pairs(88, '"');
    EXPECT_EQ(fitted, "\"" + pairs + "\",\"" + pairs + "\",\"" + QByteArray(50, 'S') + "\",\"" +
                          QByteArray(50, 'C') + "\",\"3\",\"1.00\"\r\n");
    EXPECT_EQ(fitted.size(), 300);

    // One overlong cell is cut alone; the others stay whole.
    const QByteArray cut = exportLine({"", QString(400, 'x'), "", "", "", ""});
    EXPECT_EQ(cut, "\"\",\"" + QByteArray(281, 'x') + "\",\"\",\"\",\"\",\"\"\r\n");

    // A quote at the end of a cut cell goes as a whole pair, never half of it.
    const QByteArray pair =
        exportLine({"", QString(139, 'a') + '"', QString(141, 'b'), "", "", ""});
    EXPECT_EQ(pair, "\"\",\"" + QByteArray(139, 'a') + "\",\"" + QByteArray(141, 'b') +
                        "\",\"\",\"\",\"\"\r\n");

    // A line that fits is left alone, and the record pads it with blanks.
    FakeGrid grid;
    grid.add("", QString(50, 'x'), "", "", "", "");
    const QByteArray padded = exportRecord(grid, 1);
    EXPECT_EQ(padded, record("\"\",\"" + QByteArray(50, 'x') + "\",\"\",\"\",\"\",\"\"\r\n"));
}

TEST_F(Export, CancelOrBlankAnswerWritesAndStoresNothing) {
    t.settings.values[kKey] = t.ctx.documentsDir;
    for (const QString& answer : {QString(), QStringLiteral("   ")}) {
        t.prompts.clear();
        t.prompts.answerInput(answer);
        run();
        ASSERT_EQ(t.prompts.boxes.size(), 1u); // the input box alone
        EXPECT_EQ(t.prompts.boxes[0].defaultText, t.ctx.documentsDir);
    }
    EXPECT_FALSE(QFileInfo::exists(exportFile(t.ctx.documentsDir)));
    EXPECT_EQ(t.settings.values[kKey], t.ctx.documentsDir);
}

TEST_F(Export, NoToOverwriteKeepsTheOldFileButStoresTheDirectory) {
    const QString dir = t.path("Elsewhere");
    QDir().mkpath(dir);
    writeFile(exportFile(dir), "last week's list");
    t.settings.values[kKey] = t.ctx.documentsDir;
    t.prompts.answerInput(dir);
    t.prompts.answerNo();
    run();

    EXPECT_EQ(readFile(exportFile(dir)), "last week's list");
    EXPECT_EQ(t.settings.values[kKey], dir);
    ASSERT_EQ(t.prompts.boxes.size(), 2u);
    const Box& question = t.prompts.boxes[1];
    EXPECT_EQ(question.text, "File already exists. Do you want to overwrite it ?");
    EXPECT_EQ(question.caption, "Overwrite Existing File");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
}

TEST_F(Export, YesToOverwriteReplacesALongerOldFile) {
    writeFile(exportFile(t.ctx.documentsDir), QByteArray(1000, 'x'));
    t.prompts.answerInput(t.ctx.documentsDir);
    t.prompts.answerYes();
    run();

    EXPECT_EQ(readFile(exportFile(t.ctx.documentsDir)), record(kHeaderLine));
    EXPECT_EQ(t.prompts.messages().back(), "Export Process has completed");
}

TEST_F(Export, MissingDirectoryIsReportedAndNothingIsWritten) {
    const QString dir = t.path("no such folder");
    t.prompts.answerInput(dir);
    run();

    EXPECT_FALSE(QFileInfo::exists(dir));
    ASSERT_EQ(t.prompts.boxes.size(), 2u);
    const Box& error = t.prompts.boxes[1];
    EXPECT_EQ(error.text, errorText("No such file or directory"));
    EXPECT_EQ(error.icon, MsgIcon::Information);
    EXPECT_EQ(error.caption, QString());
    EXPECT_EQ(t.settings.values[kKey], dir); // stored before the failure
}

TEST_F(Export, FullDiskKeepsTheRecordsWrittenBefore) {
    grid.add("1", "Milk", "", "Dairy", "1", "2.49");
    grid.add("2", "Bread", "", "Bakery", "1", "1.99");
    grid.add("3", "Eggs", "", "Dairy", "1", "3.10");
    t.prompts.answerInput(t.ctx.documentsDir);
    {
        FileSizeLimit limit(600);
        run();
    }
    const QByteArray bytes = readFile(exportFile(t.ctx.documentsDir));
    ASSERT_EQ(bytes.size(), 600); // no torn third record
    EXPECT_EQ(bytes.mid(300), record("\"1\",\"Milk\",\"\",\"Dairy\",\"1\",\"2.49\"\r\n"));
    EXPECT_EQ(t.prompts.messages().back(), errorText("File too large"));
}

} // namespace
