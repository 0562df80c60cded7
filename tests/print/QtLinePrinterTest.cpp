// The real printer, writing PDF files that are read back with the poppler tools.
#include "platform/QtLinePrinter.h"
#include "FakeGrid.h"
#include "TestContext.h"
#include "print/PrintOut.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

class QtLinePrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"pdftotext", "pdfinfo"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is missing: install poppler-utils";
    }
    void print(int points) {
        QtLinePrinter printer(pdf);
        printer.setFontSize(points);
        PrintOut out(t.ctx, grid, printer);
        points == 8 ? out.DoPrint8() : out.DoPrint10();
    }
    int pages() const {
        static const QRegularExpression count("Pages:\\s+(\\d+)");
        return count.match(run("pdfinfo", {pdf})).captured(1).toInt();
    }
    TestContext t;
    FakeGrid grid;
    QString pdf = t.path("list.pdf");
};

} // namespace

TEST_F(QtLinePrinterTest, ColumnsLineUpUnderTheirHeadings) {
    grid.add({"12", "Wheat bread", "1 loaf", "Bakery", "2", "5.98"});
    grid.add({"3b", "Milk", "1 gal", "Dairy", "250", "34.90"});
    grid.addNumbered(50);
    print(8);
    EXPECT_TRUE(t.prompts.boxes.empty());
    EXPECT_EQ(pages(), 2); // 46 item lines on the first page, 6 on the second

    // Left-aligned columns start, right-aligned ones end, where their headings do.
    const QStringList lines = run("pdftotext", {"-layout", pdf, "-"}).split('\n');
    const QString heading = lines.filter("Category").value(0);
    EXPECT_EQ(lines.filter("Cartwise").value(0).indexOf("Cartwise"), heading.indexOf("Isle"));
    for (const QString& l : {lines.filter("Wheat").value(0), lines.filter("Milk").value(0)}) {
        EXPECT_EQ(l.indexOf(QRegularExpression("12|3b")), heading.indexOf("Isle"));
        EXPECT_EQ(l.indexOf(QRegularExpression("Wheat|Milk")), heading.indexOf("Item"));
        EXPECT_EQ(l.indexOf(QRegularExpression("1 (loaf|gal)")), heading.indexOf("Size"));
        EXPECT_EQ(l.indexOf(QRegularExpression("Bakery|Dairy")), heading.indexOf("Category"));
        EXPECT_EQ(l.indexOf(QRegularExpression("\\d  +\\S+$")) + 1, heading.indexOf("Qty") + 3);
        EXPECT_EQ(l.size(), heading.indexOf("Total") + 5);
    }
}

TEST_F(QtLinePrinterTest, FullPageContinuesOnTheNextWithoutLosingALine) {
    t.settings.values["maxlines"] = "1000";
    grid.addNumbered(150);
    print(10);
    // Every word's bottom edge lies inside the printable area (18 points from the paper's edge).
    static const QRegularExpression tag("<page width=\"[\\d.]+\" height=\"([\\d.]+)\">|"
                                        "yMax=\"([\\d.]+)\">Item<");
    double height = 0;
    int items = 0;
    for (auto it = tag.globalMatch(run("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedLength(1)) {
            height = m.captured(1).toDouble();
        } else {
            ++items;
            EXPECT_LE(m.captured(2).toDouble(), height - 18) << items;
        }
    }
    EXPECT_EQ(items, 151); // the heading and 150 item lines
    EXPECT_GE(pages(), 3);
}

TEST_F(QtLinePrinterTest, OutputThatCannotBeWrittenIsReported) {
    pdf = t.path("missing/list.pdf");
    print(8);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"An error has occured: \r\nDoPrint8_Error: The "
                                   "printout could not be started on the file " +
                                   pdf + "."});
}
