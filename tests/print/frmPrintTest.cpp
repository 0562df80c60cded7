// The print options dialog: what it shows, what OK and Cancel store and print.
#include "print/frmPrint.h"
#include "FakeGrid.h"
#include "RecordingPrinter.h"
#include "TestContext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

using Stored = std::map<QString, QString>;

class frmPrintTest : public ::testing::Test {
protected:
    frmPrintTest() {
        t.ctx.printer = &printer;
        grid.add({"4", "Bread", "1 loaf", "Bakery", "2", "5.00"});
        grid.add({"7", "Milk", "1 l", "Dairy", "1", "0.99"});
    }
    std::unique_ptr<frmPrint> open() {
        auto d = std::make_unique<frmPrint>(t.ctx, grid);
        d->show();
        QApplication::setActiveWindow(d.get());
        return d;
    }
    template <class W = QWidget> static W* get(QWidget& d, const QString& name) {
        W* w = d.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static QLineEdit* text(QWidget& d) { return get<QLineEdit>(d, "txtGen0"); }
    static QRadioButton* option(QWidget& d, int i) {
        return get<QRadioButton>(d, QStringLiteral("optFont%1").arg(i));
    }
    // Types the text, chooses the size and clicks the button; the dialog must close.
    void fill(const QString& typed, int size, const char* button) {
        auto d = open();
        text(*d)->setText(typed);
        option(*d, size)->setChecked(true);
        QTest::mouseClick(get<QPushButton>(*d, button), Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
    }
    TestContext t;
    FakeGrid grid;
    RecordingPrinter printer;
};

} // namespace

TEST_F(frmPrintTest, OpensCentredWithTheStoredSettings) {
    auto d = open();
    EXPECT_EQ(d->windowTitle(), " Print Defaults");
    EXPECT_EQ(text(*d)->text(), "50");
    EXPECT_TRUE(option(*d, 0)->isChecked());
    const QRect screen = d->screen()->geometry();
    EXPECT_EQ(d->size(), QSize(290, 112));
    EXPECT_EQ(d->pos(), QPoint((screen.width() - 290) / 2, (screen.height() - 112) / 2));
    for (const char* name : {"lblGen0", "lblGen1", "optFont0", "optFont1", "optFont2"})
        EXPECT_GE(get(*d, name)->width(), get(*d, name)->sizeHint().width()) << name; // no clipping

    for (const auto& [stored, selected] :
         {std::pair{"9", 1}, {" 10.0 ", 2}, {"8", 0}, {"12", 0}, {"abc", 0}, {"99999", 0}}) {
        t.settings.values = {{"fontsize", stored}, {"maxlines", "33x"}};
        auto e = open();
        EXPECT_EQ(text(*e)->text(), "33x");
        EXPECT_TRUE(option(*e, selected)->isChecked()) << stored;
    }
}

TEST_F(frmPrintTest, OkStoresBothSettingsAndPrintsInTheChosenLayout) {
    for (const char* typed : {"", "0", "abc", " 0.0x"}) {
        fill(typed, 0, "cmdOK");
        EXPECT_EQ(t.settings.values, (Stored{{"maxlines", "50"}, {"fontsize", "8"}})) << typed;
        EXPECT_EQ(printer.pages.back().at(9).size(), 108);
    }
    printer = RecordingPrinter();
    fill("-3", 1, "cmdOK"); // one item a page
    EXPECT_EQ(t.settings.values, (Stored{{"maxlines", "-3"}, {"fontsize", "9"}}));
    EXPECT_EQ(printer.calls, QStringList({"choose", "size 9", "font Courier New", "lines", "page",
                                          "lines", "page", "lines", "end"}));
    EXPECT_EQ(printer.pages[0].at(9).size(), 98);

    printer = RecordingPrinter();
    fill(" 60 ", 2, "cmdOK");
    EXPECT_EQ(t.settings.values, (Stored{{"maxlines", " 60 "}, {"fontsize", "10"}}));
    EXPECT_EQ(printer.calls.mid(0, 2), QStringList({"choose", "size 10"}));
    EXPECT_EQ(printer.pages.at(0).at(10).size(), 88);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(frmPrintTest, CancelStoresNothingAndACancelledPrinterDialogPrintsNothing) {
    fill("20", 1, "cmdCancel");
    auto d = open();
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(t.settings.values.empty());
    EXPECT_TRUE(printer.calls.isEmpty());

    printer.chooseAnswer = false;
    fill("30", 2, "cmdOK");
    EXPECT_EQ(printer.calls, QStringList({"choose"}));
    EXPECT_EQ(t.settings.values, (Stored{{"maxlines", "30"}, {"fontsize", "10"}}));
}

TEST_F(frmPrintTest, EnterInTheTextBoxMovesOnLikeTab) {
    QString tabbedTo;
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
        auto d = open();
        text(*d)->setFocus();
        QTest::keyClick(text(*d), key);
        ASSERT_NE(d->focusWidget(), text(*d));
        if (key == Qt::Key_Tab) tabbedTo = d->focusWidget()->objectName();
        EXPECT_EQ(d->focusWidget()->objectName(), tabbedTo);
        QTest::keyClick(d->focusWidget(), Qt::Key_Enter); // nor is there a default button
        EXPECT_TRUE(d->isVisible());
    }
    EXPECT_TRUE(t.settings.values.empty());
    EXPECT_TRUE(printer.calls.isEmpty());
}

TEST_F(frmPrintTest, FailureBeforeThePrintoutIsReportedAndCloses) {
    struct LockedSettings : MemorySettings {
        void save(const QString&, const QString&) override { throw Failure("Settings locked"); }
    } locked;
    t.ctx.settings = &locked;
    fill("40", 0, "cmdOK");
    t.ctx.settings = &t.settings;
    t.ctx.printer = nullptr;
    fill("40", 0, "cmdOK");
    const QString frame = "An error has occured: \r\nfrmPrint.cmdOK_Click_Error: ";
    EXPECT_EQ(t.prompts.messages(), (std::vector<QString>{frame + "Settings locked.",
                                                          frame + "No printer is available."}));
    EXPECT_TRUE(printer.calls.isEmpty());
}
