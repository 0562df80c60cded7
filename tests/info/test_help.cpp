// The help topics window, driven by mouse clicks on its topic labels.
#include "TestContext.h"
#include "info/HelpWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace cw;

TEST(HelpWindow, OpensOnTheIntroductionAndShowsTheTopicClickedWithItsLabelAloneMarked) {
    test::TestContext t;
    HelpWindow help(t.ctx);
    help.show();
    const auto label = [&](int i) { return help.findChild<QLabel*>(QString("lblTopic%1").arg(i)); };
    for (const int clicked : {-1, 1, 0, 4}) { // -1: as opened, on the introduction
        if (clicked >= 0) QTest::mouseClick(label(clicked), Qt::LeftButton);
        const int topic = std::max(clicked, 0);
        for (int i = 0; i < kHelpTopicCount; ++i)
            EXPECT_EQ(label(i)->palette().color(QPalette::WindowText) == HelpWindow::chosenColour(),
                      i == topic);
        EXPECT_EQ(help.findChild<QPlainTextEdit*>()->toPlainText(),
                  helpTopicText(topic).replace("\r\n", "\n"));
    }
}
