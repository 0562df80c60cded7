#include "info/HelpTopics.h"

#include "commands/SupportContact.h"

#include <vector>

namespace cw {

namespace {

struct Block {
    enum Kind { Heading, Paragraph } kind;
    QString text;
};

Block H(const char* text) {
    return {Block::Heading, QString::fromUtf8(text)};
}
Block P(const QString& text) {
    return {Block::Paragraph, text};
}
Block P(const char* text) {
    return P(QString::fromUtf8(text));
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
    return {P("Cartwise is software to make your shopping experience more efficient. By using this "
              "product, you may save time, avoid forgetting items that you need to pick up, and "
              "budget your trips more accurately.")};
}

std::vector<Block> categories() {
    return {
        P("A list of categories is located in the upper left portion of the main screen. When "
          "you click on a category, the source items of that category are listed in the upper "
          "right portion of the screen."),
        P("You can create as many categories as you need. A category can stand for a "
          "classification of items, such as dairy products or hardware, for a particular store, "
          "or for both. The list of categories is kept together with the command buttons of the "
          "categories frame in the upper left portion of the screen. Following is additional "
          "information on each command button:"),
        H("New Cat"),
        P("Click on the 'New Cat' button to create a new category. You will be prompted for a "
          "category name. After you enter the new name, it will be displayed in the list."),
        H("Edit Cat"),
        P("To edit the spelling for a category, select the category in the list, then click this "
          "button. You will be prompted for the new name. After you enter it, the new name "
          "replaces the old one in the list. The items under the category are not affected."),
        H("Delete Cat"),
        P("To delete a category, select the category in the list, then click this button. Be "
          "careful: deleting a category also deletes all items under it. The category then "
          "disappears from the list."),
    };
}

std::vector<Block> items() {
    return {
        P("When you click on a category in the upper left portion of the screen, a list of items "
          "under that category are displayed in the listbox in the upper right portion of the "
          "screen."),
        P("You can add as many items as you need under each category. These items serve as "
          "'source items' for your current list: a file of the things you typically shop for. "
          "From them you prepare your 'Current Shopping List', change the quantities you want "
          "and print the list."),
        P("There are several command buttons contained within the frame in the upper right "
          "portion of the screen. Following is a brief description of each:"),
        H("Create New Item"),
        P("Click on this button to create a new item within the selected category. A details "
          "screen appears. Fill in the details of the item and click the save button; the new "
          "item then appears in the list."),
        H("Edit Item"),
        P("To edit an item, select it in the list, then click this button. The details screen "
          "appears with the item's details. After you save your changes, the revised item "
          "appears in the list. If the item is on your 'Current Shopping List', the changes show "
          "there too."),
        H("Delete Item"),
        P("Use this option to delete the selected item."),
        H("Item to List"),
        P("To add an item in the source list to your 'Current Shopping List', select the item "
          "then click this button. Double-clicking the item does the same. An item that is not "
          "yet on the list is added with its default quantity and price."),
        H("All To List"),
        P("To add all items in the selected category to your 'Current Shopping List', click on "
          "this button. Each item of the category that is not yet on the list is added with its "
          "default quantity and price."),
    };
}

std::vector<Block> shoppingList() {
    return {
        P("Your 'Current Shopping List' is located in the lower half of the screen. It is the "
          "list you are preparing for your next shopping trip, and you fill it from the source "
          "items in the upper right portion of the screen."),
        P("You can add as many items as you like to your 'Current Shopping List'. To add an "
          "item, find it in the 'Available List' and click 'Item to List', or double-click it. "
          "An item that is not yet on the list is added with its default quantity and price."),
        P("As the 'Current Shopping List' changes, it keeps track of the total estimated cost of "
          "the trip. The estimated cost figure is located below the 'Current Shopping List' "
          "grid."),
        P("There are several command buttons within the 'Current Shopping List' frame. "
          "Following are brief comments on each."),
        H("Remove Item"),
        P("To remove an item from your 'Current Shopping List', select it and click this "
          "button. Double-clicking an entry removes it too. Only the entry on the list is "
          "removed; the item itself stays in the source file."),
        H("Clear List"),
        P("To clear out your 'Current Shopping List', click this button. The list is emptied and "
          "the total is set to zero. The items in the source file are not affected."),
        H("Sort List"),
        P("To sort your 'Current Shopping List' in different ways, click on this button and "
          "choose the sort option that best suits you. This sort option will remain in effect "
          "until you change it again. If you are going to sort by Isle #, it is suggested that "
          "you use 01, 02, 03 (two digits) for isle #'s 1-9."),
        H("Quantity Buttons"),
        P("The quantity you want to purchase on the your current trip is not always the default "
          "quantity you entered for each item. Select an item on the list and click the quantity "
          "you want. This changes the quantity on the 'Current Shopping List' only; the item's "
          "default quantity in the source file stays as it is."),
    };
}

QString supportParagraph() {
    using namespace support;
    return QStringLiteral("This option tells you how to obtain technical support for this "
                          "product. For technical support, please send an e-mail to %1 of %2 at "
                          "%3. You can also call %4 from %5; please note that this call is not "
                          "toll-free.")
        .arg(QString::fromUtf8(kAuthor), QString::fromUtf8(kCompany), QString::fromUtf8(kEmail),
             QString::fromUtf8(kTelephone), QString::fromUtf8(kCallingHours));
}

std::vector<Block> menuOptions() {
    return {
        P("From the 'FILE' menu, the following options are available: "),
        H("Print Current Shopping List"),
        P("To print your 'Current Shopping List', choose this option and follow the prompts."),
        H("Export Current List to Text File"),
        P("If you want to export the 'Current Shopping List' to a text file, this is where you "
          "do it. Cartwise writes the list to a comma-delimited text file, which most popular "
          "database and spreadsheet programs can import."),
        H("Refresh Current Shopping List"),
        P("Use this option to refresh the 'Current Shopping List'. If the underlying data has "
          "changed since the list was built, for example when items were deleted or prices were "
          "changed, refreshing brings those changes into the list."),
        H("Exit"),
        P("This option terminates the program."),
        P("From the 'HELP' menu, the following options are available: "),
        H("Help Topics"),
        P("Displays the screen you are now viewing."),
        H("About Cartwise"),
        P("Open an 'About' dialog box with some general information about the product."),
        H("Importing Data from Version 5.x"),
        P("If you have a previous Version 5.0, 5.1 or 5.2, you can import the data from that "
          "program directly into the new version. Follow the directions at the menu."),
        H("How to Delete All Data"),
        P("If you want to completely remove all your data including categories and all source "
          "items and start from scratch, this is the option you choose. The program asks you to "
          "confirm your choice. It then removes all your data permanently and ends; when you "
          "start it again, the files are empty. This is useful for clearing out 'test data' "
          "before you start with your real data."),
        H("Technical Support"),
        P(supportParagraph()),
    };
}

} // namespace

QString helpTopicCaption(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("Introduction");
    case 1:
        return QStringLiteral("Categories");
    case 2:
        return QStringLiteral("Items in Selected Category");
    case 3:
        return QStringLiteral("Current Shopping List");
    case 4:
        return QStringLiteral("Menu Options");
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
