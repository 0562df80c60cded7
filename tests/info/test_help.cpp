// The help topics window, driven by mouse clicks on its topic labels.
#include "TestContext.h"
#include "info/frmHelp.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace cw;

TEST(frmHelp, OpensOnTheIntroductionAndShowsTheTopicClickedWithItsLabelAloneMarked) {
    test::TestContext t;
    frmHelp form(t.ctx);
    form.show();
    const auto label = [&](int i) { return form.findChild<QLabel*>(QString("lblTopic%1").arg(i)); };
    for (const int clicked : {-1, 1, 0, 4}) { // -1: as opened, on the introduction
        if (clicked >= 0) QTest::mouseClick(label(clicked), Qt::LeftButton);
        const int topic = std::max(clicked, 0);
        for (int i = 0; i < kHelpTopicCount; ++i)
            EXPECT_EQ(label(i)->palette().color(QPalette::WindowText) == frmHelp::chosenColour(),
                      i == topic);
        EXPECT_EQ(form.findChild<QPlainTextEdit*>()->toPlainText(),
                  HelpTopicText(topic).replace("\r\n", "\n"));
    }
}
