#pragma once
// The item file: the catalogue of items and, through each item's list mark and quantity on the
// list, the shopping list. Every operation opens the file, works and closes it; the operations
// that write many records do it in one opening and make the file durable once.
#include "core/Context.h"
#include "core/Numbers.h"
#include "store/Item.h"
#include "store/ItemQuery.h"
#include "store/ListedItems.h"
#include "store/PendingSync.h"
#include "store/SortOrder.h"

#include <QString>
#include <optional>
#include <vector>

namespace cw {

class ItemStore {
public:
    explicit ItemStore(Context& ctx);

    QString path() const { return m_path; }

    // ---- These let a failure pass to the caller.

    // The item in record `id`; a free record reads as an item with empty texts.
    Item find(qint32 id);
    void remove(qint32 id);
    // The described items of a category (of every category for 0), in list order.
    std::vector<ItemEntry> listCategory(qint32 categoryId);
    void removeCategory(qint32 categoryId);
    // Takes every item off the shopping list: "N" into every record's list mark.
    void clearList();
    // The total of the shopping list: the sum of its items' line costs.
    Money total();
    // The items of these records read afresh, in this order (one that is not in the file
    // reads as blank), and the total of the shopping list (nothing when it is past the money
    // range), in one pass over the file.
    ListedItems readItems(const std::vector<qint32>& ids, std::optional<Money>& total);
    // All To List: puts each of these items that is not marked "Y" on the list with its
    // default quantity, in one opening of the file (in the file's order), made durable once. A
    // record that cannot be read ends it (the failure passes on, what was written made durable);
    // one that cannot be written is reported as a failed selection and the next goes on. Once
    // every item is handled, the sync runs while the caller goes on; it waits on the result.
    [[nodiscard]] PendingSync putOnList(const std::vector<qint32>& ids);

    // The items whose descriptions hold every word of the query, in the order of the items
    // lists, the first `limit` of them; `matched` gets how many there are in all.
    ListedItems search(const ItemQuery& query, int limit, qint64& matched);

    // ---- These report their own failure and return their failure value.

    // Stores a new item in the first free record; its ID, or 0. A blank list mark is stored
    // as "N".
    qint32 add(const Item& item);
    // Adds each item in turn in one opening of the file; the IDs of those added, which stop
    // short at the first that fails.
    std::vector<qint32> addAll(const std::vector<Item>& items);
    // Rewrites an item's catalogue fields; its list mark and quantity on the list stay.
    bool edit(qint32 id, const Item& item);
    // Every item on the shopping list in the order of its records, and `rows`, the positions
    // of those items in the given order (none for SortOrder::None).
    bool readList(SortOrder order, ListedItems& items, std::vector<int>& rows);
    // Puts the item on the shopping list with this quantity (trimmed).
    bool select(qint32 id, const QString& quantity);
    // Takes the item off the shopping list; its quantity on the list falls back to its default
    // quantity.
    bool unselect(qint32 id);

private:
    Context& m_ctx;
    QString m_path;
};

} // namespace cw
