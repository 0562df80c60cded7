#include "info/HelpTopics.h"

#include "commands/SupportContact.h"

#include <QCoreApplication>
#include <vector>

namespace cw {

namespace {

struct Block {
    enum Kind { Heading, Paragraph } kind;
    QString text;
};

// The texts are translated as the topic is put together.
QString translated(const char* text) {
    return QCoreApplication::translate("cw::HelpTopics", text);
}

Block H(const char* text) {
    return {Block::Heading, translated(text)};
}
Block P(const QString& text) {
    return {Block::Paragraph, text};
}
Block P(const char* text) {
    return P(translated(text));
}

const QString kLineBreak = QStringLiteral("\r\n");

QString join(const std::vector<Block>& blocks) {
    QString text;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        text += blocks[i].text;
        if (blocks[i].kind == Block::Heading)
            text += kLineBreak;
        else if (i + 1 < blocks.size())
            text += kLineBreak + kLineBreak;
    }
    return text;
}

std::vector<Block> introduction() {
    return {P(QT_TRANSLATE_NOOP(
        "cw::HelpTopics",
        "Cartwise is software to make your shopping experience more efficient. By using this "
        "product, you may save time, avoid forgetting items that you need to pick up, and "
        "budget your trips more accurately."))};
}

std::vector<Block> categories() {
    return {
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "A list of categories is located in the upper left portion of the main screen. When "
            "you click on a category, the source items of that category are listed in the upper "
            "right portion of the screen.")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "You can create as many categories as you need. A category can stand for a "
            "classification of items, such as dairy products or hardware, for a particular store, "
            "or for both. The list of categories is kept together with the command buttons of the "
            "categories frame in the upper left portion of the screen. Following is additional "
            "information on each command button:")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "New Cat")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "Click on the 'New Cat' button to create a new category. You will be prompted for a "
            "category name. After you enter the new name, it will be displayed in the list.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Edit Cat")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To edit the spelling for a category, select the category in the list, then click this "
            "button. You will be prompted for the new name. After you enter it, the new name "
            "replaces the old one in the list. The items under the category are not affected.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Delete Cat")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To delete a category, select the category in the list, then click this button. Be "
            "careful: deleting a category also deletes all items under it. The category then "
            "disappears from the list.")),
    };
}

std::vector<Block> items() {
    return {
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "When you click on a category in the upper left portion of the screen, a list of items "
            "under that category are displayed in the listbox in the upper right portion of the "
            "screen.")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "You can add as many items as you need under each category. These items serve as "
            "'source items' for your current list: a file of the things you typically shop for. "
            "From them you prepare your 'Current Shopping List', change the quantities you want "
            "and print the list.")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "There are several command buttons contained within the frame in the upper right "
            "portion of the screen. Following is a brief description of each:")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Create New Item")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "Click on this button to create a new item within the selected category. A details "
            "screen appears. Fill in the details of the item and click the save button; the new "
            "item then appears in the list.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Edit Item")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To edit an item, select it in the list, then click this button. The details screen "
            "appears with the item's details. After you save your changes, the revised item "
            "appears in the list. If the item is on your 'Current Shopping List', the changes show "
            "there too.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Delete Item")),
        P(QT_TRANSLATE_NOOP("cw::HelpTopics", "Use this option to delete the selected item.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Item to List")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To add an item in the source list to your 'Current Shopping List', select the item "
            "then click this button. Double-clicking the item does the same. An item that is not "
            "yet on the list is added with its default quantity and price.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "All To List")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To add all items in the selected category to your 'Current Shopping List', click on "
            "this button. Each item of the category that is not yet on the list is added with its "
            "default quantity and price.")),
    };
}

std::vector<Block> shoppingList() {
    return {
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "Your 'Current Shopping List' is located in the lower half of the screen. It is the "
            "list you are preparing for your next shopping trip, and you fill it from the source "
            "items in the upper right portion of the screen.")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "You can add as many items as you like to your 'Current Shopping List'. To add an "
            "item, find it in the 'Available List' and click 'Item to List', or double-click it. "
            "An item that is not yet on the list is added with its default quantity and price.")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "As the 'Current Shopping List' changes, it keeps track of the total estimated cost of "
            "the trip. The estimated cost figure is located below the 'Current Shopping List' "
            "grid.")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "There are several command buttons within the 'Current Shopping List' frame. "
            "Following are brief comments on each.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Remove Item")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To remove an item from your 'Current Shopping List', select it and click this "
            "button. Double-clicking an entry removes it too. Only the entry on the list is "
            "removed; the item itself stays in the source file.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Clear List")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To clear out your 'Current Shopping List', click this button. The list is emptied and "
            "the total is set to zero. The items in the source file are not affected.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Sort List")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To sort your 'Current Shopping List' in different ways, click on this button and "
            "choose the sort option that best suits you. This sort option will remain in effect "
            "until you change it again. If you are going to sort by Isle #, it is suggested that "
            "you use 01, 02, 03 (two digits) for isle #'s 1-9.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Quantity Buttons")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "The quantity you want to purchase on the your current trip is not always the default "
            "quantity you entered for each item. Select an item on the list and click the quantity "
            "you want. This changes the quantity on the 'Current Shopping List' only; the item's "
            "default quantity in the source file stays as it is.")),
    };
}

QString supportParagraph() {
    using namespace support;
    return translated(
               QT_TRANSLATE_NOOP(
                   "cw::HelpTopics",
                   "This option tells you how to obtain technical support for this product. For "
                   "technical support, please send an e-mail to %1 of %2 at %3. You can also call "
                   "%4 "
                   "from %5; please note that this call is not toll-free."))
        .arg(QString::fromUtf8(kAuthor), QString::fromUtf8(kCompany), QString::fromUtf8(kEmail),
             QString::fromUtf8(kTelephone), callingHours());
}

std::vector<Block> menuOptions() {
    return {
        P(QT_TRANSLATE_NOOP("cw::HelpTopics",
                            "From the 'FILE' menu, the following options are available: ")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Print Current Shopping List")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "To print your 'Current Shopping List', choose this option and follow the prompts.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Export Current List to Text File")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "If you want to export the 'Current Shopping List' to a text file, this is where you "
            "do it. Cartwise writes the list to a comma-delimited text file, which most popular "
            "database and spreadsheet programs can import.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Refresh Current Shopping List")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "Use this option to refresh the 'Current Shopping List'. If the underlying data has "
            "changed since the list was built, for example when items were deleted or prices were "
            "changed, refreshing brings those changes into the list.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Exit")),
        P(QT_TRANSLATE_NOOP("cw::HelpTopics", "This option terminates the program.")),
        P(QT_TRANSLATE_NOOP("cw::HelpTopics",
                            "From the 'HELP' menu, the following options are available: ")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Help Topics")),
        P(QT_TRANSLATE_NOOP("cw::HelpTopics", "Displays the screen you are now viewing.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "About Cartwise")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "Open an 'About' dialog box with some general information about the product.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Importing Data from Version 5.x")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "If you have a previous Version 5.0, 5.1 or 5.2, you can import the data from that "
            "program directly into the new version. Follow the directions at the menu.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "How to Delete All Data")),
        P(QT_TRANSLATE_NOOP(
            "cw::HelpTopics",
            "If you want to completely remove all your data including categories and all source "
            "items and start from scratch, this is the option you choose. The program asks you to "
            "confirm your choice. It then removes all your data permanently and ends; when you "
            "start it again, the files are empty. This is useful for clearing out 'test data' "
            "before you start with your real data.")),
        H(QT_TRANSLATE_NOOP("cw::HelpTopics", "Technical Support")),
        P(supportParagraph()),
    };
}

} // namespace

QString helpTopicCaption(int index) {
    switch (index) {
    case 0:
        return translated(QT_TRANSLATE_NOOP("cw::HelpTopics", "Introduction"));
    case 1:
        return translated(QT_TRANSLATE_NOOP("cw::HelpTopics", "Categories"));
    case 2:
        return translated(QT_TRANSLATE_NOOP("cw::HelpTopics", "Items in Selected Category"));
    case 3:
        return translated(QT_TRANSLATE_NOOP("cw::HelpTopics", "Current Shopping List"));
    case 4:
        return translated(QT_TRANSLATE_NOOP("cw::HelpTopics", "Menu Options"));
    default:
        return QString();
    }
}

QString helpTopicText(int index) {
    switch (index) {
    case 0:
        return join(introduction());
    case 1:
        return join(categories());
    case 2:
        return join(items());
    case 3:
        return join(shoppingList());
    case 4:
        return join(menuOptions());
    default:
        return QString();
    }
}

} // namespace cw
