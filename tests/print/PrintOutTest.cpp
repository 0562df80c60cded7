// The printout on recorded lines: field positions, cutting, headings, paging and failures.
#include "print/PrintOut.h"
#include "FakeGrid.h"
#include "RecordingPrinter.h"
#include "TestContext.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QString kMargin(10, ' ');
constexpr int kTop = 9; // lines of the page header and the column headings

struct Layout {
    void (PrintOut::*print)();
    QString prefix;
    int first[6], last[6]; // 1-based positions of Isle, Item, Size, Category, Qty, Total
};
const Layout k8{
    &PrintOut::DoPrint8, "DoPrint8_Error: ", {11, 23, 55, 67, 84, 94}, {20, 52, 64, 81, 91, 108}};
const Layout k9{
    &PrintOut::DoPrint9, "DoPrint9_Error: ", {11, 23, 50, 62, 79, 89}, {20, 47, 59, 76, 86, 98}};
const Layout k10{
    &PrintOut::DoPrint10, "DoPrint10_Error: ", {11, 18, 45, 57, 69, 79}, {15, 42, 54, 66, 76, 88}};

class PrintOutTest : public ::testing::Test {
protected:
    void print(const Layout& l = k8, const QString& failOn = QString(), bool endFails = false) {
        printer = RecordingPrinter();
        printer.failOn = failOn;
        printer.endFails = endFails;
        t.prompts.clear();
        PrintOut out(t.ctx, grid, printer);
        (out.*l.print)();
    }
    static std::vector<QString> error(const QString& prefix, const QString& description) {
        return {"An error has occured: \r\n" + prefix + description + '.'};
    }
    TestContext t;
    FakeGrid grid;
    RecordingPrinter printer;
};

} // namespace

TEST_F(PrintOutTest, FieldsAreCutAndPlacedAtTheirPositionsInEveryLayout) {
    QStringList brim; // each field one character too long, in a letter of its own
    for (int f = 0; f < 6; ++f)
        brim << QString(k8.last[f] - k8.first[f] + 2, QChar('A' + f));
    grid.add(brim);
    grid.add({" 7 ", " Milk ", " 1 l ", " Dairy ", " 3 ", " 2.97 "});
    const QString item40 = "Organic extra virgin olive oil, cold pre";
    grid.add({"Aisle 7", item40, "", "", "", ""});
    const QStringList brief = {"7", "Milk", "1 l", "Dairy", "3", "2.97"};
    const QStringList headings = {"Isle", "Item", "Size", "Category", "Qty", "Total"};
    for (const Layout* l : {&k8, &k9, &k10}) {
        print(*l);
        const QStringList& page = printer.pages.at(0);
        for (int i : {6, 7, kTop, kTop + 1})
            EXPECT_EQ(page[i].size(), l->last[5]);
        for (int f = 0; f < 6; ++f) {
            const int from = l->first[f] - 1, width = l->last[f] - from;
            EXPECT_EQ(page[kTop].mid(from - 2, width + 2), "  " + QString(width, QChar('A' + f)));
            EXPECT_EQ(page[7].mid(from - 2, width + 2), "  " + QString(width, '_')); // rule line
            for (const auto& [line, text] :
                 {std::pair{page[kTop + 1], brief[f]}, {page[6], headings[f]}})
                EXPECT_EQ(line.mid(f < 4 ? from : l->last[f] - text.size(), text.size()), text);
        }
        const QString cut = page[kTop + 2];
        const int itemWidth = l->last[1] - l->first[1] + 1;
        EXPECT_EQ(cut.mid(10, l->last[0] - 10).trimmed(), l == &k10 ? "Aisle" : "Aisle 7");
        EXPECT_EQ(cut.mid(l->first[1] - 1, itemWidth + 1), item40.left(itemWidth) + ' ');
    }
}

TEST_F(PrintOutTest, EmptyListPrintsHeaderHeadingsAndTotal) {
    grid.total = " 0.00 ";
    print(k9);
    const QString rule = kMargin + "__________  " + QString(25, '_') + "  __________  " +
                         QString(15, '_') + "  ________  __________";
    const QString heading = kMargin + "Isle        Item" + QString(23, ' ') +
                            "Size        Category" + QString(14, ' ') + "Qty       Total";
    const QStringList page = {"",
                              "",
                              "",
                              "",
                              kMargin + "Cartwise",
                              "",
                              heading,
                              rule,
                              "",
                              "",
                              "",
                              kMargin + "Total Estimated Cost 0.00"};
    EXPECT_EQ(printer.pages, std::vector<QStringList>{page});
    EXPECT_EQ(printer.calls, QStringList({"font Courier New", "lines", "end"}));
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(PrintOutTest, PageBreaksFollowTheStoredMaximum) {
    grid.addNumbered(47);
    print();
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(printer.pages[0].size(), kTop + 46);
    EXPECT_EQ(printer.pages[1].mid(0, kTop), printer.pages[0].mid(0, kTop));
    EXPECT_TRUE(printer.pages[1][kTop].startsWith(kMargin + "47          Item 47 "));

    grid.rows.pop_back(); // 46 items: the last page holds no item
    print();
    const QStringList end = {"", "", kMargin + "Total Estimated Cost 0.00"};
    EXPECT_EQ(printer.pages.at(1), printer.pages[0].mid(0, kTop) + end);

    // stored maximum -> item lines a page; one a page for 5 or less
    for (const auto& [stored, perPage] : {std::pair{"12", 8},
                                          {"6", 2},
                                          {"5", 1},
                                          {"0", 1},
                                          {"-3", 1},
                                          {" 10.5 ", 6},
                                          {"11.5", 8}}) {
        t.settings.values["maxlines"] = stored;
        grid = FakeGrid();
        grid.addNumbered(2 * perPage + 1);
        print();
        ASSERT_EQ(printer.pages.size(), perPage == 1 ? 4u : 3u) << stored;
        EXPECT_EQ(printer.pages[1].size(), kTop + perPage) << stored;
    }
}

TEST_F(PrintOutTest, MaximumThatIsNoSixteenBitNumberIsReportedAndNothingPrinted) {
    grid.addNumbered(1);
    for (const Layout* l : {&k8, &k9, &k10}) {
        for (const auto& [stored, why] : {std::pair{"12abc", "Type mismatch"},
                                          {"", "Type mismatch"},
                                          {"32768", "Overflow"},
                                          {"-32769", "Overflow"}}) {
            t.settings.values["maxlines"] = stored;
            print(*l);
            EXPECT_EQ(printer.lineCount(), 0);
            EXPECT_EQ(t.prompts.messages(), error(l->prefix, why));
        }
    }
}

TEST_F(PrintOutTest, FailuresAreReportedBeforeTheDocumentEndsOrSkippedInHeadings) {
    grid.addNumbered(5);
    bool endedAtReport = true;
    t.prompts.onShow = [&](const Box&) { endedAtReport = printer.calls.contains("end"); };
    print(k9, "Item 3", true); // the clean-up's own failure is ignored
    EXPECT_EQ(t.prompts.messages(), error("DoPrint9_Error: ", "Out of paper"));
    EXPECT_FALSE(endedAtReport);
    EXPECT_EQ(printer.calls.filter("end").size(), 1);
    EXPECT_EQ(printer.lineCount(), kTop + 2);

    grid.failingRow = 0; // page header and headings go on past failing lines, without a message
    print(k9, "Cartwise");
    EXPECT_TRUE(t.prompts.boxes.empty());
    ASSERT_EQ(printer.lineCount(), 7 + 5 + 3);
    EXPECT_TRUE(printer.pages[0][5].startsWith(kMargin + "__________  "));

    grid.failingRow = 2; // a grid row that cannot be read
    print(k10);
    EXPECT_EQ(t.prompts.messages(), error("DoPrint10_Error: ", "Subscript out of range"));
    EXPECT_EQ(printer.lineCount(), kTop + 1);
}
