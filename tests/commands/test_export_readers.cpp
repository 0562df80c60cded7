// The export file opened by a real spreadsheet reader, gnumeric's ssconvert (skipped when it is
// not installed): every cell comes back in its place.
#include "app/ExportCommand.h"

#include "FakeGrid.h"
#include "TestContext.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

TEST(ExportReaders, SpreadsheetFindsEveryCellInItsPlace) {
    const QString ssconvert = QStandardPaths::findExecutable("ssconvert");
    if (ssconvert.isEmpty()) GTEST_SKIP() << "ssconvert (gnumeric) is not installed";
    TestContext t;
    FakeGrid grid;
    grid.add("05", "Milk", "1 gal", "Dairy", "2", "4.98");
    grid.add("", "12\" Pizza, large", "\"Large\"", "Frozen, misc", "", "0.00");
    grid.add("A7", QString::fromUtf8("Café crème"), "1 l", QString::fromUtf8("Drinks €"), "3",
             "7.50");
    // Too long once its quotes are doubled: the two quote cells keep 44 quotes each.
    grid.add(QString(50, '"'), QString(50, '"'), QString(50, 'S'), QString(50, 'C'), "1", "1.00");
    t.prompts.answerInput(t.dir.path());
    mnuExport_Click(t.ctx, grid);

    const QString csv = t.dir.path() + "/read-back.csv";
    QProcess p;
    p.start(ssconvert, {"--import-encoding=CP1252", "-T", "Gnumeric_stf:stf_csv",
                        t.dir.path() + "/Cartwise.txt", csv});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

    // The spreadsheet's own CSV: it quotes where it must, and numeric text becomes a number
    // (05 shows as 5, 7.50 as 7.5). The blank padding of the records is gone.
    const QString quotes = QString(88, '"');
    const QString expected =
        QString::fromUtf8("Isle,Item,Size,Category,Qty,Total\n"
                          "5,Milk,\"1 gal\",Dairy,2,4.98\n"
                          ",\"12\"\" Pizza, large\",\"\"\"Large\"\"\",\"Frozen, misc\",,0\n"
                          "A7,\"Café crème\",\"1 l\",\"Drinks €\",3,7.5\n") +
        '"' + quotes + "\",\"" + quotes + "\"," + QString(50, 'S') + ',' + QString(50, 'C') +
        ",1,1\n";
    EXPECT_EQ(QString::fromUtf8(readFile(csv)), expected);
}
