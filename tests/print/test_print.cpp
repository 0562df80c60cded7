// The printout on recorded lines (field positions and cutting, paging, failures) and the print
// options dialog driven by mouse and keys.
#include "ShoppingListRows.h"
#include "platform/LinePrinter.h"
#include "print/PrintOptionsDialog.h"
#include "print/ShoppingListPrintout.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QTest>

using namespace cw;
using namespace cw::test;
using Stored = std::map<QString, QString>;

const QString kMargin(10, ' ');

// A printer that records its pages of lines and its other calls in order ("size <n>", "end",
// "choose"). A line containing one of failOn fails, and so does endDoc when endFails is set.
struct RecordingPrinter : LinePrinter {
    void setFontName(const QString&) override {}
    void setFontSize(int points) override { calls << QStringLiteral("size %1").arg(points); }
    void printLine(const QString& text) override {
        for (const QString& failing : failOn)
            if (text.contains(failing)) throw Failure("Out of paper");
        if (pages.empty()) pages.emplace_back();
        pages.back() << text;
    }
    void newPage() override { pages.resize(pages.size() + (pages.empty() ? 2 : 1)); }
    void endDoc() override {
        calls << "end";
        if (endFails) throw Failure("Printer offline");
    }
    bool choosePrinter() override {
        calls << "choose";
        return chooseAnswer;
    }
    std::vector<QStringList> pages;
    QStringList calls;
    QStringList failOn;
    bool endFails = false, chooseAnswer = true;
};

using List = ShoppingListRows;

// The line of a row's six texts in fields of these widths two blanks apart: trimmed, the
// four text fields cut and left-aligned, the two numbers right-aligned and whole.
static QString placed(const QList<int>& widths, const QStringList& row) {
    QString line = kMargin;
    for (int f = 0; f < 6; ++f) {
        const QString text = row[f].trimmed(), gap = f ? "  " : "";
        line += gap + (f < 4 ? text.left(widths[f]).leftJustified(widths[f])
                             : text.rightJustified(widths[f]));
    }
    return line;
}

class PrintTest : public ::testing::Test {
protected:
    PrintTest() { t.ctx.printer = &printer; }
    void print(int points = 8) {
        printer.pages.clear();
        printer.calls.clear();
        t.prompts.clear();
        ShoppingListPrintout(t.ctx, list.model, printer).print(points);
    }
    void open() { // a fresh print options dialog, shown and active
        printer.pages.clear();
        printer.calls.clear();
        d = std::make_unique<PrintOptionsDialog>(t.ctx, list.model);
        d->show();
        QApplication::setActiveWindow(d.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    }
    QWidget* child(const QString& name) { return d->findChild<QWidget*>(name); }
    // Types over the page length, clicks a size option and a button: the dialog closes.
    void fill(const QString& typed, int option, const char* button) {
        QTest::keyClick(child("txtGen0"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(child("txtGen0"), Qt::Key_Delete);
        QTest::keyClicks(child("txtGen0"), typed);
        QTest::mouseClick(child(QString("optFont%1").arg(option)), Qt::LeftButton);
        QTest::mouseClick(child(button), Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
    }
    TestContext t;
    List list;
    RecordingPrinter printer;
    std::unique_ptr<PrintOptionsDialog> d;
};

TEST_F(PrintTest, EachLayoutPlacesTheFieldsCutsTextsAndKeepsNumbersWhole) {
    list.add({" 7 ", " Milk ", " 1 l ", " Dairy ", " 3 ", " 2.50 "});
    list.add({"Aisle 7 and 8", "Organic extra virgin olive oil, cold pressed", "Large bottle",
              "Oils and vinegars", "999999999", "99999.99"}); // a total of 17 characters
    const QList<int> layouts[] = {
        {10, 30, 10, 15, 8, 15}, {10, 25, 10, 15, 8, 10}, {5, 25, 10, 10, 8, 10}};
    for (int i = 0; i < 3; ++i) {
        print(8 + i);
        QStringList want, rule;
        for (const int width : layouts[i])
            rule << QString(width, '_');
        for (const QStringList& row : {list.row(-1), rule, {}, list.row(0), list.row(1)})
            want << (row.isEmpty() ? "" : placed(layouts[i], row));
        EXPECT_EQ(printer.pages.at(0).mid(6, 5), want) << 8 + i << " points";
    }
}

TEST_F(PrintTest, PagesHoldTheStoredMaximumLessFourItemsAndAtLeastOne) {
    // Twice as many items as a page holds: the last page has the page header, the column
    // headings and the total alone.
    for (const auto& [stored, perPage] : {std::pair{"", 46}, {"6", 2}}) {
        if (*stored) t.settings.values["maxlines"] = stored; // the default is 50
        list.clear();
        for (int n = 1; n <= 2 * perPage; ++n)
            list.add({QString::number(n), "Item", "", "", "1", "1.00"});
        list.model.setTotalText(" 9.99 ");
        print();
        ASSERT_EQ(printer.pages.size(), 3u) << stored;
        const QStringList top = printer.pages[0].mid(0, 9); // the page header, the headings
        EXPECT_EQ(top.mid(0, 6), QStringList({"", "", "", "", kMargin + "Cartwise", ""}));
        EXPECT_EQ(printer.pages[1].size(), top.size() + perPage) << stored;
        EXPECT_EQ(printer.pages[2],
                  top + QStringList({"", "", kMargin + "Total Estimated Cost 9.99"}));
    }
}

TEST_F(PrintTest, AFailureIsReportedThenTheDocumentEndedButHeaderAndHeadingsSkipTheirs) {
    for (const char* item : {"Milk", "Eggs", "Cartwise bread"})
        list.add({"1", item, "", "", "1", "1.00"});
    printer.failOn = {"Cartwise", "Category"}; // the title's line, the headings', item 3's
    printer.endFails = true;                   // the clean-up's own failure is ignored
    t.prompts.onShow = [&](const Box&) { EXPECT_FALSE(printer.calls.contains("end")); };
    print(9);
    EXPECT_EQ(t.prompts.messages(), std::vector{errorReport("DoPrint9", "Out of paper")});
    EXPECT_EQ(printer.calls.filter("end").size(), 1);
    // The 9 lines at the top less the title and the headings' first line, items 1 and 2.
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages[0].size(), 9);
    EXPECT_TRUE(printer.pages[0][5].startsWith(kMargin + "__________  "));
}

TEST_F(PrintTest, DialogShowsTheStoredSettingsAndOnlyOkStoresThemAndPrints) {
    // stored size, option shown; page length typed, stored (0 becomes 50); option clicked
    const std::tuple<const char*, int, const char*, const char*, int> rows[] = {
        {"9", 1, "", "50", 0},
        {"abc", 0, "0x", "50", 2},
        {"10", 2, " -3 ", " -3 ", 1},
        {nullptr, 0, "", "50", 0}}; // nothing stored: 8 points and 50 lines
    for (const auto& [size, shown, typed, stored, option] : rows) {
        t.settings.values = {{"fontsize", size}, {"maxlines", "33x"}};
        if (!size) t.settings.values.clear();
        open();
        EXPECT_EQ(d->findChild<QButtonGroup*>()->checkedId(), shown);
        if (!size) {
            EXPECT_EQ(d->findChild<QLineEdit*>("txtGen0")->text(), "50");
        }
        fill(typed, option, "cmdOK");
        const QString points = QString::number(8 + option);
        EXPECT_EQ(t.settings.values, (Stored{{"maxlines", stored}, {"fontsize", points}}));
        EXPECT_EQ(printer.calls.mid(0, 2), QStringList({"choose", "size " + points}));
        EXPECT_EQ(printer.pages.at(0).at(6).size(), 108 - 10 * option); // the layout's width
    }
    printer.chooseAnswer = false; // the printer dialog cancelled: stored, nothing printed
    open();
    fill("30", 0, "cmdOK");
    EXPECT_EQ(printer.calls, QStringList({"choose"}));
    EXPECT_TRUE(printer.pages.empty());
    open();
    fill("20", 1, "cmdCancel"); // stores nothing
    open();
    QTest::keyClick(child("txtGen0"), Qt::Key_Return); // moves on like Tab, to the size
    EXPECT_EQ(d->focusWidget(), child("optFont0"));
    QTest::keyClick(d->focusWidget(), Qt::Key_Enter); // there is no default button
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(printer.calls.isEmpty() && printer.pages.empty());
    EXPECT_EQ(t.settings.values, (Stored{{"maxlines", "30"}, {"fontsize", "8"}}));
}
