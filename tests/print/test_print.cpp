// The printing subsystem: the print options dialog, the printout on recorded lines (field
// positions, cutting, paging, failures) and on the real printer, writing a PDF file that
// pdftotext reads back.
#include "RecordingPrinter.h"
#include "TestContext.h"
#include "commands/GridSource.h"
#include "platform/QtLinePrinter.h"
#include "print/PrintOut.h"
#include "print/frmPrint.h"

#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QString kMargin(10, ' ');
constexpr int kTop = 9; // lines of the page header and the column headings

struct FakeGrid : GridSource { // a header row and rows of cells, columns 0 (ID) to 6
    QList<QStringList> rows{{"ID ", " Isle ", "Item  ", "Size ", "Category ", "Qty ", "Total  "}};
    QString total = "0.00";
    void add(const QStringList& cells) { rows << QStringList{"0"} + cells; }
    void addNumbered(int count) { // isle n, item "Item n"
        for (int n = 1; n <= count; ++n)
            add({QString::number(n), QString("Item %1").arg(n), "", "", "1", "1.00"});
    }
    int rowCount() const override { return int(rows.size()); }
    QString cellText(int row, int col) const override { return rows.at(row).at(col); }
    QString totalCaption() const override { return total; }
};

// Each text, trimmed and cut to its field's width, put at the field's 1-based positions
// "first-last": Qty and Total end at their last position, the others begin at their first.
QString placed(const QString& fields, const QStringList& texts) {
    QString line;
    for (int f = 0; f < 6; ++f) {
        const int first = fields.section(' ', f, f).section('-', 0, 0).toInt();
        const int last = fields.section(' ', f, f).section('-', 1).toInt();
        const QString text = texts[f].trimmed().left(last - first + 1);
        line = line.leftJustified(last);
        line.replace(f < 4 ? first - 1 : last - text.size(), text.size(), text);
    }
    return line;
}

class PrintTest : public ::testing::Test {
protected:
    PrintTest() { t.ctx.printer = &printer; }
    void clear() {
        printer.pages.clear();
        printer.calls.clear();
        t.prompts.clear();
    }
    void print(int points = 8, LinePrinter* to = nullptr) {
        clear();
        PrintOut out(t.ctx, grid, to ? *to : printer);
        points == 8 ? out.DoPrint8() : points == 9 ? out.DoPrint9() : out.DoPrint10();
    }
    // Prints to a PDF file in 8 or 10 points; pdftotext tells where the words' boxes lie.
    QString printPdf(int points) {
        QtLinePrinter pdf(t.path("list.pdf"));
        pdf.setFontSize(points);
        print(points, &pdf);
        QProcess p;
        p.start("pdftotext", {"-bbox", t.path("list.pdf"), "-"});
        EXPECT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    void open() { // a fresh print options dialog, shown and active
        clear();
        d = std::make_unique<frmPrint>(t.ctx, grid);
        d->show();
        QApplication::setActiveWindow(d.get());
        ASSERT_TRUE(text() && option(0) && option(1) && option(2));
    }
    QLineEdit* text() { return d->findChild<QLineEdit*>("txtGen0"); }
    QRadioButton* option(int i) { return d->findChild<QRadioButton*>(QString("optFont%1").arg(i)); }
    // Opens the dialog, types the text, chooses the size and clicks the button: it closes.
    void fill(const QString& typed, int size, const char* button) {
        open();
        text()->setText(typed);
        option(size - 8)->setChecked(true);
        QTest::mouseClick(d->findChild<QWidget*>(button), Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
    }
    TestContext t;
    FakeGrid grid;
    RecordingPrinter printer;
    std::unique_ptr<frmPrint> d;
};

} // namespace

TEST_F(PrintTest, FieldsAreTrimmedCutAndPlacedAtTheirPositionsInEveryLayout) {
    grid.add({" 7 ", " Milk ", " 1 l ", " Dairy ", " 12345678 ", " 1234567.50 "});
    grid.add({"Aisle 7", "Organic extra virgin olive oil, cold pre", "", "", "", ""});
    // 8, 9 and 10 points: the fields' positions, and the second row with its blanks collapsed
    const char* layouts[][2] = {
        {"11-20 23-52 55-64 67-81 84-91 94-108", "Aisle 7 Organic extra virgin olive oil"},
        {"11-20 23-47 50-59 62-76 79-86 89-98", "Aisle 7 Organic extra virgin oliv"},
        {"11-15 18-42 45-54 57-66 69-76 79-88", "Aisle Organic extra virgin oliv"}};
    for (int i = 0; i < 3; ++i) {
        print(8 + i);
        const auto row = [&](int r) { return placed(layouts[i][0], grid.rows[r].mid(1)); };
        const QString rule = placed(layouts[i][0], QStringList(6, QString(40, '_')));
        EXPECT_EQ(printer.pages.at(0).mid(6, 5), QStringList({row(0), rule, "", row(1), row(2)}));
        EXPECT_EQ(printer.pages[0][kTop + 1].simplified(), layouts[i][1]);
    }
}

TEST_F(PrintTest, EmptyListFillsOnePageAndPagesBreakAtTheStoredMaximum) {
    grid.total = " 0.00 ";
    print(); // the empty list
    const QStringList top = printer.pages.at(0).mid(0, kTop);
    const QStringList end = {"", "", kMargin + "Total Estimated Cost 0.00"};
    EXPECT_EQ(printer.pages, std::vector{top + end});
    EXPECT_EQ(top.mid(0, 6), QStringList({"", "", "", "", kMargin + "Cartwise", ""}));
    EXPECT_EQ(printer.calls, QStringList({"font Courier New", "lines", "end"}));

    // stored maximum -> item lines a page, one for 5 or less; twice as many items leave a last
    // page with the page header, the column headings and the total only
    const std::pair<const char*, int> maxima[] = {{nullptr, 46}, {"12", 8},  {"6", 2},
                                                  {"5", 1},      {"0", 1},   {"-3", 1},
                                                  {" 10.5 ", 6}, {"11.5", 8}};
    for (const auto& [stored, perPage] : maxima) {
        if (stored) t.settings.values["maxlines"] = stored; // the default is 50
        grid = FakeGrid();
        grid.addNumbered(2 * perPage);
        print();
        ASSERT_EQ(printer.pages.size(), 3u) << stored;
        EXPECT_EQ(printer.pages[1].size(), kTop + perPage) << stored;
        const QString first = kMargin + QString::number(perPage + 1).leftJustified(12) + "Item";
        EXPECT_TRUE(printer.pages[1][kTop].startsWith(first)) << stored;
        EXPECT_EQ(printer.pages[2], top + end) << stored;
    }
}

TEST_F(PrintTest, FailuresAreReportedThenTheDocumentEndsButHeaderAndHeadingsSkipThem) {
    grid.addNumbered(2);
    grid.add({"3", "Cartwise bread", "", "", "1", "1.00"});
    grid.rows[0][2] = "Cartwise"; // the lines of the title, the headings and item 3 fail
    printer.failOn = "Cartwise";
    printer.endFails = true; // the clean-up's own failure is ignored
    t.prompts.onShow = [&](const Box&) { EXPECT_FALSE(printer.calls.contains("end")); };
    print(9);
    const QString error = "An error has occured: \r\nDoPrint%1_Error: %2.";
    EXPECT_EQ(t.prompts.messages(), std::vector{error.arg(9).arg("Out of paper")});
    EXPECT_EQ(printer.calls.filter("end").size(), 1);
    ASSERT_EQ(printer.lineCount(), kTop - 2 + 2); // title and headings left out; items 1 and 2
    EXPECT_TRUE(printer.pages[0][5].startsWith(kMargin + "__________  "));

    t.settings.values["maxlines"] = "12abc"; // nothing printed
    for (const int points : {8, 9, 10}) {
        print(points);
        EXPECT_EQ(printer.lineCount(), 0);
        EXPECT_EQ(t.prompts.messages(), std::vector{error.arg(points).arg("Type mismatch")});
    }
}

TEST_F(PrintTest, OnTheRealPrinterColumnsLineUpAndNoLineIsLostAtAPageBottom) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is missing: install poppler-utils";
    grid.add({"12", "Wheat", "Loaf", "Bakery", "77", "5.98"});
    grid.add({"3b", "Milk", "Gallon", "Dairy", "250", "34.90"});
    grid.addNumbered(50);
    QString boxes = printPdf(8);
    EXPECT_EQ(boxes.count("<page "), 2); // 46 item lines on the first page, 6 on the second
    // Left-aligned fields start, right-aligned ones end, where their headings do.
    const auto x = [&](const char* word, int side) {
        static const QString box("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>%1<");
        return QRegularExpression(box.arg(word)).match(boxes).captured(side).toDouble();
    };
    const char* columns[6][3] = {{"Isle", "Cartwise", "3b"}, {"Item", "Wheat", "Milk"},
                                 {"Size", "Loaf", "Gallon"}, {"Category", "Bakery", "Dairy"},
                                 {"Qty", "77", "250"},       {"Total", "5.98", "34.90"}};
    for (int c = 0; c < 6; ++c)
        for (const char* word : {columns[c][1], columns[c][2]})
            EXPECT_NEAR(x(word, c < 4 ? 1 : 2), x(columns[c][0], c < 4 ? 1 : 2), 0.01) << word;

    // 10 points, the printer filling its pages: every item line lies inside the printable area
    t.settings.values["maxlines"] = "1000";
    grid.addNumbered(100);
    boxes = printPdf(10);
    static const QRegularExpression height("<page width=\"[\\d.]+\" height=\"([\\d.]+)\""),
        item("yMax=\"([\\d.]+)\">Item<");
    const double bottom = height.match(boxes).captured(1).toDouble() - 18;
    int items = 0;
    for (auto it = item.globalMatch(boxes); it.hasNext(); ++items)
        EXPECT_LE(it.next().captured(1).toDouble(), bottom) << items;
    EXPECT_EQ(items, 1 + 150); // the heading and the numbered item lines
}

TEST_F(PrintTest, DialogOpensCentredShowingTheStoredSettings) {
    open();
    const QRect screen = d->screen()->geometry();
    EXPECT_EQ(QRect(d->pos(), d->size()),
              QRect((screen.width() - 290) / 2, (screen.height() - 112) / 2, 290, 112));
    EXPECT_EQ(text()->text(), "50");
    EXPECT_TRUE(option(0)->isChecked());
    for (const auto& [stored, shown] : {std::pair{"9", 1}, {"10", 2}, {"12", 0}, {"abc", 0}}) {
        t.settings.values = {{"fontsize", stored}, {"maxlines", "33x"}};
        open();
        EXPECT_EQ(text()->text(), "33x");
        EXPECT_TRUE(option(shown)->isChecked()) << stored;
    }
}

TEST_F(PrintTest, DialogOkStoresBothSettingsAndPrintsInTheChosenLayout) {
    const std::tuple<const char*, const char*, int> rows[] = {
        {"", "50", 8}, {"0", "50", 8}, {"abc", "50", 8}, {"-3", "-3", 9}, {" 60 ", " 60 ", 10}};
    for (const auto& [typed, stored, size] : rows) {
        fill(typed, size, "cmdOK");
        const QString points = QString::number(size);
        EXPECT_EQ(t.settings.values,
                  (std::map<QString, QString>{{"maxlines", stored}, {"fontsize", points}}));
        EXPECT_EQ(printer.calls.mid(0, 2), QStringList({"choose", "size " + points}));
        EXPECT_EQ(printer.pages.at(0).at(6).size(), 188 - 10 * size) << typed; // 108, 98 or 88
    }
    printer.chooseAnswer = false; // the printer dialog cancelled: settings stored, no printout
    fill("30", 10, "cmdOK");
    EXPECT_EQ(printer.calls, QStringList({"choose"}));
    EXPECT_EQ(t.settings.values["maxlines"], "30");
    t.ctx.printer = nullptr; // reported
    fill("40", 8, "cmdOK");
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>({"An error has occured: \r\nfrmPrint."
                                    "cmdOK_Click_Error: No printer is available."}));
}

TEST_F(PrintTest, DialogCancelEnterAndEscapeStoreAndPrintNothing) {
    fill("20", 9, "cmdCancel");
    open();
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_Return); // moves on like Tab, to the chosen size
    EXPECT_EQ(d->focusWidget(), option(0));
    QTest::keyClick(option(0), Qt::Key_Enter); // nor is there a default button
    EXPECT_TRUE(d->isVisible());
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(t.settings.values.empty());
    EXPECT_TRUE(printer.calls.isEmpty());
}
