// The help texts: their block structure, line breaks and quoted wording.
#include "info/HelpTopics.h"
#include "info/SupportContact.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace cw {
namespace {

// Checks that the topic is blocks apart by one empty line, each block a paragraph alone or a
// heading line directly above its paragraph, and returns the headings in order.
QStringList headings(int topic) {
    QStringList found;
    const QString text = HelpTopicText(topic);
    for (const QString& block : text.split(QStringLiteral("\r\n\r\n"))) {
        const QStringList lines = block.split(QStringLiteral("\r\n"));
        EXPECT_LE(lines.size(), 2) << block.toStdString();
        EXPECT_FALSE(lines.last().isEmpty()) << topic;
        for (const QString& line : lines)
            EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
        if (lines.size() == 2) found << lines.first();
    }
    return found;
}

TEST(HelpTopics, IntroductionAndCaptions) {
    EXPECT_EQ(HelpTopicText(0),
              "Cartwise is software to make your shopping experience more efficient. By using "
              "this product, you may save time, avoid forgetting items that you need to pick up, "
              "and budget your trips more accurately.");
    EXPECT_EQ(HelpTopicText(5), QString());
    EXPECT_EQ(HelpTopicCaption(2), "Items in Selected Category");
}

TEST(HelpTopics, HeadingsStandOnTheirOwnLinesAboveTheirParagraphs) {
    EXPECT_EQ(headings(0), QStringList());
    EXPECT_EQ(headings(1), QStringList({"New Cat", "Edit Cat", "Delete Cat"}));
    EXPECT_EQ(headings(2), QStringList({"Create New Item", "Edit Item", "Delete Item",
                                        "Item to List", "All To List"}));
    EXPECT_EQ(headings(3),
              QStringList({"Remove Item", "Clear List", "Sort List", "Quantity Buttons"}));
    EXPECT_EQ(headings(4),
              QStringList({"Print Current Shopping List", "Export Current List to Text File",
                           "Refresh Current Shopping List", "Exit", "Help Topics", "About Cartwise",
                           "Importing Data from Version 5.x", "How to Delete All Data",
                           "Technical Support"}));
}

TEST(HelpTopics, QuotedWordingAndJoins) {
    EXPECT_TRUE(HelpTopicText(1).contains(
        "Following is additional information on each command button:\r\n\r\nNew Cat\r\nClick "
        "on the 'New Cat' button to create a new category. You will be prompted for a category "
        "name. After you enter the new name, it will be displayed in the list.\r\n\r\nEdit Cat"));
    EXPECT_TRUE(HelpTopicText(3).contains(
        "Sort List\r\nTo sort your 'Current Shopping List' in different ways, click on this "
        "button and choose the sort option that best suits you. This sort option will remain in "
        "effect until you change it again. If you are going to sort by Isle #, it is suggested "
        "that you use 01, 02, 03 (two digits) for isle #'s 1-9.\r\n\r\nQuantity Buttons\r\nThe "
        "quantity you want to purchase on the your current trip"));
    const QString menu = HelpTopicText(4);
    EXPECT_TRUE(menu.startsWith("From the 'FILE' menu, the following options are available: "
                                "\r\n\r\nPrint Current Shopping List\r\n"));
    EXPECT_TRUE(menu.contains("terminates the program.\r\n\r\nFrom the 'HELP' menu, the "
                              "following options are available: \r\n\r\nHelp Topics\r\n"));
    EXPECT_TRUE(menu.contains("\r\nTechnical Support\r\nThis option tells you how to obtain "
                              "technical support for this product. "));
    for (const char* detail : {support::kAuthor, support::kCompany, support::kEmail,
                               support::kTelephone, support::kCallingHours})
        EXPECT_TRUE(menu.contains(QString::fromUtf8(detail))) << detail;
}

} // namespace
} // namespace cw
