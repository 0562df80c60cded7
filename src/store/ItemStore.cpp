#include "store/ItemStore.h"

#include "core/Failure.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "store/CategoryNames.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"
#include "store/RecordLayout.h"
#include "store/StoreOperation.h"

#include <QHash>
#include <algorithm>
#include <cstring>
#include <optional>

namespace cw {
namespace {

using L = ItemLayout;
using Scan = RecordFile::Scan;
using Access = RecordFile::Access;

// Opens the file, runs the body, closes the file; failures pass to the caller. Operations
// that only read open for reading, so that a read-only medium can be viewed.
template <class Body>
void open(const Context& ctx, const QString& path, Access access, Body&& body) {
    RecordFile file(path, L::kLength, L::blank(), access);
    file.noteChangesIn(ctx.journal);
    body(file);
    file.close();
}

// The same with the operation's own trap: the file is closed and the failure reported.
template <class Body>
bool run(Context& ctx, const QString& path, const char* prefix, Body&& body,
         Access access = Access::ReadWrite) {
    return runTrapped(ctx, path, L::kLength, L::blank(), prefix, std::forward<Body>(body), access);
}

// What a listed item costs: the leading number of its cost times that of its quantity on the
// list, to four decimals.
Money lineCost(const char* record) {
    return Money::fromDouble(leadingNumber(record + L::cost.offset, L::cost.width) *
                             leadingNumber(record + L::listQuantity.offset, L::listQuantity.width));
}

Item itemFrom(qint32 id, const char* record) {
    Item item;
    item.id = id;
    item.categoryId = L::categoryId(record);
    item.description = L::description.read(record);
    item.quantity = formatWhole(L::quantity.read(record));
    item.cost = formatFixed(L::cost.read(record));
    item.size = L::size.read(record);
    item.aisle = L::aisle.read(record);
    item.listMark = L::listMark.read(record);
    item.listQuantity = L::listQuantity.read(record);
    return item;
}

enum class Stored { New, Edited };

// An item's catalogue fields into its record. A new item's default quantity is written as a
// whole number, an edited one's with two decimals; both read back whole.
void writeCatalogueFields(char* record, const Item& item, Stored stored) {
    L::setCategoryId(record, item.categoryId);
    L::description.write(record, trimSpaces(item.description));
    L::quantity.write(record, stored == Stored::New ? formatWhole(item.quantity)
                                                    : formatFixed(item.quantity));
    L::cost.write(record, formatFixed(item.cost));
    L::size.write(record, trimSpaces(item.size));
    L::aisle.write(record, trimSpaces(item.aisle));
    L::reserved.write(record, QString());
}

// Writes the items into free records (a category ID of 0), the first free one on. `added`
// gets each ID as it is written.
void addItems(RecordFile& file, const std::vector<Item>& items, std::vector<qint32>& added) {
    qint64 free = 1; // no record before it is free
    for (const Item& item : items) {
        char record[L::kLength];
        writeCatalogueFields(record, item, Stored::New);
        const QString mark = trimSpaces(item.listMark);
        L::listMark.write(record, mark.isEmpty() ? QStringLiteral("N") : mark);
        L::listQuantity.write(record, trimSpaces(item.listQuantity));
        const qint64 count = file.recordCount();
        qint64 slot = count + 1;
        if (free <= count) {
            file.forEachRecord(
                L::blank(),
                [&](qint64 n, const char* r) {
                    if (L::categoryId(r) != 0) return true;
                    slot = n;
                    return false;
                },
                RecordFile::Holes::Visit, free); // a record in a hole is free too
        }
        file.write(slot, record);
        free = slot + 1;
        added.push_back(static_cast<qint32>(slot));
    }
}

// Each category's name once per pass, as a piece of a sort key: the usual small IDs by index,
// others by hash.
class NamePieces {
public:
    explicit NamePieces(Context& ctx) : m_names(ctx), m_small(1024) {}
    const ListOrder::Piece& of(qint32 id) {
        if (id >= 0 && id < static_cast<qint32>(m_small.size())) {
            auto& name = m_small[static_cast<std::size_t>(id)];
            if (!name) name = ListOrder::piece(m_names.name(id));
            return *name;
        }
        auto found = m_other.find(id);
        if (found == m_other.end()) found = m_other.insert(id, ListOrder::piece(m_names.name(id)));
        return *found;
    }

private:
    CategoryNames m_names;
    std::vector<std::optional<ListOrder::Piece>> m_small;
    QHash<qint32, ListOrder::Piece> m_other;
};

} // namespace

ItemStore::ItemStore(Context& ctx)
    : m_ctx(ctx), m_path(ctx.dataPath(QLatin1StringView(kItemFileName))) {}

Item ItemStore::find(qint32 id) {
    Item item;
    open(m_ctx, m_path, Access::Read, [&](RecordFile& f) {
        char record[L::kLength];
        f.read(id, record, L::blank());
        item = itemFrom(id, record);
    });
    return item;
}

void ItemStore::remove(qint32 id) {
    open(m_ctx, m_path, Access::ReadWrite, [&](RecordFile& f) { f.write(id, L::blank()); });
}

std::vector<ItemEntry> ItemStore::listCategory(qint32 categoryId) {
    std::vector<ItemEntry> entries;
    open(m_ctx, m_path, Access::Read, [&](RecordFile& f) {
        std::vector<qint32> ids;
        ListOrder order;
        f.forEachRecord(L::blank(), [&](qint64 n, const char* record) {
            if (categoryId != 0 && L::categoryId(record) != categoryId) return true;
            const auto [description, size] = L::description.trimmedBytes(record);
            if (size == 0) return true;
            ids.push_back(static_cast<qint32>(n));
            order.begin();
            order.append(description, size);
            return true;
        });
        entries.reserve(ids.size());
        for (const int i : order.sorted())
            entries.push_back(ItemEntry{ids[static_cast<std::size_t>(i)], order.text(i)});
    });
    return entries;
}

ListedItems ItemStore::search(const ItemQuery& query, int limit, qint64& matched) {
    ListedItems found;
    matched = 0;
    if (query.isEmpty()) return found;
    open(m_ctx, m_path, Access::Read, [&](RecordFile& f) {
        // Room for every record matching: a few letters typed match most of them.
        const auto records = static_cast<std::size_t>(f.recordCount());
        std::vector<qint32> ids;
        ids.reserve(records);
        ListOrder order;
        order.reserve(records, records * 24);
        f.forEachRecord(L::blank(), [&](qint64 n, const char* record) {
            const auto [description, size] = L::description.trimmedBytes(record);
            if (size == 0 || !query.matches(description, size)) return true;
            ids.push_back(static_cast<qint32>(n));
            order.begin();
            order.append(description, size);
            return true;
        });
        matched = static_cast<qint64>(ids.size());
        char record[L::kLength];
        const std::vector<int> first = order.sorted(static_cast<std::size_t>(std::max(limit, 0)));
        found.reserve(first.size());
        for (const int i : first) {
            const qint32 id = ids[static_cast<std::size_t>(i)];
            f.read(id, record, L::blank());
            found.add(id, record);
        }
    });
    return found;
}

void ItemStore::removeCategory(qint32 categoryId) {
    open(m_ctx, m_path, Access::ReadWrite, [&](RecordFile& f) {
        f.scan(L::blank(), [&](qint64, const char* record, char* changed) {
            if (L::categoryId(record) != categoryId) return Scan::Next;
            std::memcpy(changed, L::blank(), L::kLength);
            return Scan::WriteBack;
        });
    });
}

void ItemStore::clearList() {
    // Every record gets "N", free ones too; the records of a sparse file's holes are left
    // unused, as they read.
    open(m_ctx, m_path, Access::ReadWrite, [&](RecordFile& f) {
        f.scan(L::blank(), [&](qint64, const char* record, char* changed) {
            if (L::mark(record) == 'N') return Scan::Next;
            std::memcpy(changed, record, L::kLength);
            L::setMark(changed, 'N');
            return Scan::WriteBack;
        });
    });
}

Money ItemStore::total() {
    Money sum;
    open(m_ctx, m_path, Access::Read, [&](RecordFile& f) {
        f.forEachRecord(L::blank(), [&](qint64, const char* record) {
            if (L::isListed(record)) sum += lineCost(record);
            return true;
        });
    });
    return sum;
}

ListedItems ItemStore::readItems(const std::vector<qint32>& ids, std::optional<Money>& total) {
    ListedItems read;                        // the wanted records, in the order of the file
    std::vector<int> readAt(ids.size(), -1); // where each wanted one went in `read`
    std::optional<Money> sum = Money();
    open(m_ctx, m_path, Access::Read, [&](RecordFile& f) {
        // For each record of the file, where it is wanted (-1: not at all).
        const qint64 count = f.recordCount();
        std::vector<int> wanted(static_cast<std::size_t>(count) + 1, -1);
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (ids[i] > 0 && ids[i] <= count) wanted[static_cast<std::size_t>(ids[i])] = int(i);
        f.forEachRecord(L::blank(), [&](qint64 n, const char* record) {
            if (const int at = wanted[static_cast<std::size_t>(n)]; at >= 0) {
                readAt[static_cast<std::size_t>(at)] = read.count();
                read.add(static_cast<qint32>(n), record);
            }
            if (sum && L::isListed(record)) {
                try {
                    *sum += lineCost(record);
                } catch (const Failure&) {
                    sum.reset(); // past the money range: the caller says so after the rows
                }
            }
            return true;
        });
    });
    ListedItems items;
    items.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (readAt[i] >= 0)
            items.addCopy(read, readAt[i]);
        else
            items.addBlank(ids[i]);
    }
    total = sum;
    return items;
}

PendingSync ItemStore::putOnList(const std::vector<qint32>& ids) {
    // In the order of the file: the pages are met one after the other, which costs the
    // system half the time of meeting them at random.
    std::vector<qint32> inOrder = ids;
    std::sort(inOrder.begin(), inOrder.end());
    RecordFile file(m_path, L::kLength, L::blank(), Access::ReadWrite);
    file.noteChangesIn(m_ctx.journal);
    try {
        char record[L::kLength];
        for (const qint32 id : inOrder) {
            file.read(id, record, L::blank());
            if (L::listMark.read(record) == QLatin1String("Y")) continue; // as it is
            const QString quantity = trimSpaces(formatWhole(L::quantity.read(record)));
            trap(m_ctx, prefix::kSelectItem, [&] {
                L::setMark(record, 'Y');
                L::listQuantity.write(record, quantity);
                file.write(id, record);
            });
        }
    } catch (...) {
        skip([&] { file.close(); }); // what was written is made durable all the same
        throw;
    }
    return file.closeInBackground();
}

qint32 ItemStore::add(const Item& item) {
    const std::vector<qint32> added = addAll({item});
    return added.empty() ? 0 : added.front();
}

std::vector<qint32> ItemStore::addAll(const std::vector<Item>& items) {
    std::vector<qint32> added;
    const bool stored =
        run(m_ctx, m_path, prefix::kAddItem, [&](RecordFile& f) { addItems(f, items, added); });
    // Every item written, but the file not closed as written: the last does not count.
    if (!stored && added.size() == items.size() && !added.empty()) added.pop_back();
    return added;
}

bool ItemStore::edit(qint32 id, const Item& item) {
    return run(m_ctx, m_path, prefix::kEditItem, [&](RecordFile& f) {
        char record[L::kLength];
        f.read(id, record, L::blank());
        writeCatalogueFields(record, item, Stored::Edited);
        f.write(id, record);
    });
}

bool ItemStore::readList(SortOrder order, ListedItems& items, std::vector<int>& rows) {
    items.clear();
    rows.clear();
    const bool read = run(
        m_ctx, m_path, prefix::kSortList,
        [&](RecordFile& f) {
            std::optional<NamePieces> names;
            if (order == SortOrder::ByCategory) names.emplace(m_ctx);
            ListOrder keys;
            using Field = ListedItems::Field;
            f.forEachRecord(L::blank(), [&](qint64 n, const char* record) {
                if (!L::isListed(record)) return true;
                items.add(static_cast<qint32>(n), record);
                if (order == SortOrder::None) return true;
                // The key: the description, or the aisle or the category's name, a dot and the
                // description (as the item has just been kept, trimmed).
                const int item = items.count() - 1;
                keys.begin();
                if (order == SortOrder::ByAisle) {
                    const auto [aisle, size] = items.bytes(item, Field::Aisle);
                    keys.append(aisle, size);
                    keys.append('.');
                } else if (order == SortOrder::ByCategory) {
                    keys.append(names->of(L::categoryId(record)));
                    keys.append('.');
                }
                const auto [description, size] = items.bytes(item, Field::Description);
                keys.append(description, size);
                return true;
            });
            rows = keys.sorted();
        },
        Access::Read);
    if (!read) rows.clear(); // the order was not worked out
    return read;
}

bool ItemStore::select(qint32 id, const QString& quantity) {
    return run(m_ctx, m_path, prefix::kSelectItem, [&](RecordFile& f) {
        char record[L::kLength];
        f.read(id, record, L::blank());
        L::setMark(record, 'Y');
        L::listQuantity.write(record, trimSpaces(quantity));
        f.write(id, record);
    });
}

bool ItemStore::unselect(qint32 id) {
    return run(m_ctx, m_path, prefix::kUnselectItem, [&](RecordFile& f) {
        char record[L::kLength];
        f.read(id, record, L::blank());
        L::setMark(record, 'N');
        // The quantity on the list falls back to the default quantity, byte for byte.
        std::memcpy(record + L::listQuantity.offset, record + L::quantity.offset,
                    L::quantity.width);
        f.write(id, record);
    });
}

} // namespace cw
