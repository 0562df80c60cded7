#pragma once
// The user's commands on the catalogue: categories created, renamed and deleted (with their
// items), a category's items listed, items deleted and put on the shopping list one at a time
// or a whole category at once. The two lists the window shows are its models; which entry is
// chosen is the views' affair, and each command is told the row it works on (-1 for none).
#include "core/Context.h"
#include "model/EntryListModel.h"

#include <QObject>

namespace cw {

class Catalogue : public QObject {
    Q_OBJECT
public:
    explicit Catalogue(Context& ctx, QObject* parent = nullptr);

    EntryListModel& categories() { return m_categories; }
    EntryListModel& items() { return m_items; }

    // The categories listed from the file (the window's load step); the first is chosen.
    void loadCategories();
    // New Cat: asks for the name, stores it and lists it; the new entry is chosen.
    void createCategory();
    // Edit Cat: asks, then renames the category in place.
    void renameCategory(int row);
    // Delete Cat: asks, then deletes the category and every item of it.
    void deleteCategory(int row);
    // The items of the category in this row listed, or none for -1. Failures pass on.
    void showItemsOf(int categoryRow);

    // Delete Item: asks, then deletes the item.
    void deleteItem(int row);
    // Item To List (also a double click on an entry).
    void putOnList(int row);
    // Item To List for an item found by Find Item, with the same rules and messages.
    void putFoundOnList(qint32 id);
    // All To List: every item listed that is not on the shopping list yet.
    void putAllOnList();
    // After the item editor stored a new item: its entry in its place, and chosen.
    void addItemEntry(qint32 id, const QString& description);
    // After it stored an item under a new description: the entry in `row`, if it is that item's.
    void renameItemEntry(int row, qint32 id, const QString& description);
    // After the files changed under the lists (a change undone): both read again, the category
    // and the item that were chosen marked again where they are still listed. A category that
    // is gone leaves the first one chosen, as at the start.
    void reload(qint32 categoryId, qint32 itemId);
    // Shows an item as if the user had clicked its category and then the item.
    void showItem(qint32 categoryId, qint32 itemId);

signals:
    // The view is to choose this row, which runs what a click on it runs.
    void categoryToChoose(int row);
    void itemToChoose(int row);
    // The view is to select this row without a click's consequences.
    void categoryToMark(int row);
    void itemToMark(int row);
    // Items came onto, or left, the shopping list.
    void shoppingListChanged();

private:
    bool findChosenCategory(int row, qint32& id, QString& name);
    void putItemOnList(qint32 id);
    void fillCategories();

    Context& m_ctx;
    EntryListModel m_categories;
    EntryListModel m_items;
};

} // namespace cw
