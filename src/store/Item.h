#pragma once
// An item of the catalogue as the program works with it. The store converts between this and
// the item record: it reads the quantity in the whole-number format and the cost in the
// two-decimal format, every text trimmed, and formats them again when it writes.
#include <QString>

namespace cw {

struct Item {
    qint32 id = 0; // its record number; 0 for an item not yet stored
    qint32 categoryId = 0;
    QString description;
    QString quantity; // the default quantity: what goes on the shopping list with the item
    QString cost;     // the unit cost
    QString size;
    QString aisle;
    // The list mark as stored: "Y" while the item is on the shopping list, "N" when it is not.
    // Files from elsewhere may hold other marks; "y" counts as on the list where Item To List
    // asks, and as not on it everywhere else.
    QString listMark;
    QString listQuantity; // the quantity on the shopping list

    bool onList() const { return listMark == QLatin1String("Y"); }
};

// An entry of a category's items list: the item's ID and its description.
struct ItemEntry {
    qint32 id = 0;
    QString description;
};

} // namespace cw
