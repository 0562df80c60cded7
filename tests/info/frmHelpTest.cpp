// The help topics window driven through its widgets.
#include "info/frmHelp.h"
#include "TestContext.h"
#include "info/HelpTopics.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

class frmHelpTest : public ::testing::Test {
protected:
    QLabel* topic(int i) { return form.findChild<QLabel*>(QStringLiteral("lblTopic%1").arg(i)); }
    // The label colours in order: M maroon, N navy, ? anything else.
    QString colours() {
        QString out;
        for (int i = 0; i < kHelpTopicCount; ++i) {
            const QColor c = topic(i)->palette().color(QPalette::WindowText);
            out += c == QColor(128, 0, 0) ? 'M' : c == QColor(0, 0, 128) ? 'N' : '?';
        }
        return out;
    }
    QString shown() { return form.findChild<QPlainTextEdit*>("txtRich")->toPlainText(); }
    static QString asShown(int i) { return HelpTopicText(i).replace("\r\n", "\n"); }

    TestContext t;
    frmHelp form{t.ctx, nullptr};
};

TEST_F(frmHelpTest, OpensOnTheIntroduction) {
    EXPECT_EQ(form.windowTitle(), " Cartwise Help Topics");
    for (int i = 0; i < kHelpTopicCount; ++i)
        ASSERT_TRUE(topic(i)) << i;
    EXPECT_EQ(topic(4)->text(), "Menu Options");
    EXPECT_EQ(colours(), "MNNNN");
    EXPECT_EQ(shown(), asShown(0));
    auto* text = form.findChild<QPlainTextEdit*>("txtRich");
    EXPECT_NEAR(text->font().pointSizeF(), 8.25, 0.01);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(),
              "Click on topic above to view related help detail.");
    // Centred on the screen by its outer size, cut to whole pixels.
    const QRect screen = form.screen()->geometry();
    EXPECT_EQ(form.pos(),
              QPoint((screen.width() - twips(7845)) / 2, (screen.height() - twips(4800)) / 2));
}

TEST_F(frmHelpTest, ClickingATopicMarksItAloneAndShowsItsText) {
    form.show();
    QTest::mouseClick(topic(4), Qt::LeftButton);
    EXPECT_EQ(colours(), "NNNNM");
    EXPECT_EQ(shown(), asShown(4));
    EXPECT_TRUE(shown().contains("\n\nExport Current List to Text File\nIf you want"));
    QTest::mouseClick(topic(1), Qt::LeftButton);
    EXPECT_EQ(colours(), "NMNNN");
    EXPECT_EQ(shown(), asShown(1));

    // The topic already shown is built and shown again; the pointer returns to normal.
    form.findChild<QPlainTextEdit*>("txtRich")->setPlainText("scribbled");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QTest::mouseClick(topic(1), Qt::LeftButton);
    EXPECT_EQ(shown(), asShown(1));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A press that is released elsewhere is no click.
    QTest::mousePress(topic(3), Qt::LeftButton);
    QTest::mouseRelease(topic(3), Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(colours(), "NMNNN");
}

TEST_F(frmHelpTest, EnterAndEscapeClose) {
    form.show();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());

    form.show();
    auto* text = form.findChild<QPlainTextEdit*>("txtRich");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Enter);
    EXPECT_FALSE(form.isVisible());

    // Shown modally, Escape ends the modal loop.
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) QTest::keyClick(w, Qt::Key_Escape);
    });
    form.exec();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(frmHelpTest, SizeIsHeldMinimizingIsAllowed) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.size(), frmHelp::heldSize());
    form.resize(700, 500);
    QTest::qWait(20);
    EXPECT_EQ(form.size(), frmHelp::heldSize());

    form.showMaximized();
    QTest::qWait(20);
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.size(), frmHelp::heldSize());

    form.showMinimized();
    QTest::qWait(20);
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
}

} // namespace
} // namespace cw::test
