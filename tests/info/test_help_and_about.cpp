// The help topics window and the about box, driven through their widgets.
#include "TestContext.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

TEST(frmHelp, OpensOnTheIntroductionAndShowsOnlyTheTopicClickedAsChosen) {
    TestContext t;
    frmHelp form(t.ctx);
    auto* text = form.findChild<QPlainTextEdit*>("txtRich");
    const auto topic = [&](int i) { return form.findChild<QLabel*>(QString("lblTopic%1").arg(i)); };
    const auto colours = [&] { // in order: M maroon, N navy, ? anything else
        QString out;
        for (int i = 0; i < kHelpTopicCount; ++i) {
            const QColor c = topic(i)->palette().color(QPalette::WindowText);
            out += c == QColor(128, 0, 0) ? 'M' : c == QColor(0, 0, 128) ? 'N' : '?';
        }
        return out;
    };
    EXPECT_EQ(colours(), "MNNNN");
    EXPECT_EQ(text->toPlainText(),
              "Cartwise is software to make your shopping experience more efficient. By using "
              "this product, you may save time, avoid forgetting items that you need to pick up, "
              "and budget your trips more accurately.");

    form.show();
    for (const int i : {1, 1, 0, 4}) { // the topic shown is shown afresh when clicked
        text->setPlainText("scribbled");
        QTest::mouseClick(topic(i), Qt::LeftButton);
        EXPECT_EQ(colours(), QString("NNNNN").replace(i, 1, 'M'));
        EXPECT_EQ(text->toPlainText(), HelpTopicText(i).replace("\r\n", "\n"));
    }

    // Menu Options: blocks one empty line apart, each heading on its own line directly above
    // its paragraph.
    QStringList headings;
    for (const QString& block : text->toPlainText().split("\n\n")) {
        const QStringList lines = block.split('\n');
        EXPECT_TRUE(lines.size() <= 2 && !lines.last().isEmpty()) << block.toStdString();
        if (lines.size() == 2) headings << lines.first();
    }
    EXPECT_EQ(headings,
              QStringList({"Print Current Shopping List", "Export Current List to Text File",
                           "Refresh Current Shopping List", "Exit", "Help Topics", "About Cartwise",
                           "Importing Data from Version 5.x", "How to Delete All Data",
                           "Technical Support"}));
}

TEST(frmAbout, ShowsTitleVersionAndDescriptionAndClosesOnEscape) {
    TestContext t;
    frmAbout form(t.ctx);
    const auto label = [&](const char* name) { return form.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(form.windowTitle(), "About Cartwise");
    EXPECT_EQ(label("lblVersion"), "Version 6.0.0");
    EXPECT_EQ(label("lblDescription"), "Cartwise is a program that helps you to budget your "
                                       "shopping activities and make them more efficient.");

    form.show();
    // No registry to ask: the System Info button says the program is unavailable.
    QTest::mouseClick(form.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"System Information Is Unavailable At This Time"});
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace cw::test
