#include "store/cSourceItem.h"

#include "core/Trap.h"
#include "store/CategoryNames.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/StoreOperation.h"
#include "store/SyncScope.h"

#include <QHash>
#include <cstring>
#include <optional>
#include <vector>

namespace cw {
namespace {

using L = SourceItemLayout;
using Scan = RecordFile::Scan;

using Access = RecordFile::Access;

// Opens the file, runs the body, closes the file; failures pass to the caller. Operations
// that only read open for reading, so that a read-only medium can be viewed.
template <class Body> void open(const QString& path, Body&& body, Access access) {
    RecordFile file(path, L::kLength, L::blank(), access);
    body(file);
    file.close();
}

// The same with the operation's own trap: the file is closed and the failure reported.
template <class Body>
bool run(Context& ctx, const QString& path, const char* prefix, Body&& body,
         Access access = Access::ReadWrite) {
    return runTrapped(ctx, path, L::kLength, L::blank(), prefix, std::forward<Body>(body), access);
}

} // namespace

cSourceItem::cSourceItem(Context& ctx)
    : strFileName(ctx.dataPath(QLatin1StringView(kSourceItemFileName))), m_ctx(ctx) {}

void cSourceItem::loadFrom(const char* rec) {
    lngCatID = L::catId(rec);
    strItem = L::item.read(rec);
    strQuantity = formatWhole(L::quantity.read(rec));
    strCost = formatFixed(L::cost.read(rec));
    strSize = L::size.read(rec);
    strIsle = L::isle.read(rec);
    strSelectedYN = L::selectedYN.read(rec);
    strSelectedQuantity = L::selectedQuantity.read(rec);
    strFuture = L::future.read(rec);
}

bool cSourceItem::blnFindRecord(qint32 ID) {
    open(
        strFileName,
        [&](RecordFile& f) {
            char rec[L::kLength];
            f.read(ID, rec, L::blank());
            loadFrom(rec);
        },
        Access::Read);
    return true;
}

bool cSourceItem::blnDeleteRecord(qint32 ID) {
    open(
        strFileName, [&](RecordFile& f) { f.write(ID, L::blank()); }, Access::ReadWrite);
    return true;
}

bool cSourceItem::blnRefreshList(ListTarget& lb, qint32 catID) {
    lb.clear();
    open(
        strFileName,
        [&](RecordFile& f) {
            ListOrder order;
            f.forEachRecord(L::blank(), [&](qint64 n, const char* rec) {
                if (catID != 0 && L::catId(rec) != catID) return true;
                const auto [item, size] = L::item.trimmedBytes(rec);
                if (size == 0) return true;
                order.begin(static_cast<qint32>(n));
                order.append(item, size);
                return true;
            });
            order.fill(lb);
        },
        Access::Read);
    return true;
}

bool cSourceItem::blnDeleteCategory(qint32 catID) {
    open(
        strFileName,
        [&](RecordFile& f) {
            f.scan(L::blank(), [&](qint64, char* rec) {
                if (L::catId(rec) != catID) return Scan::Next;
                std::memcpy(rec, L::blank(), L::kLength);
                return Scan::WriteBack;
            });
        },
        Access::ReadWrite);
    return true;
}

qint32 cSourceItem::lngAddRecord() {
    qint32 id = 0;
    const bool ok = run(m_ctx, strFileName, "cSourceItem.lngAddRecord_Error: ", [&](RecordFile& f) {
        const qint64 count = f.recordCount();
        if (trimSpaces(strSelectedYN).isEmpty()) strSelectedYN = QStringLiteral("N");
        if (trimSpaces(strSelectedQuantity).isEmpty()) strSelectedQuantity = QString();
        char rec[L::kLength];
        L::setCatId(rec, lngCatID);
        L::item.write(rec, trimSpaces(strItem));
        L::quantity.write(rec, formatWhole(strQuantity));
        L::cost.write(rec, formatFixed(strCost));
        L::size.write(rec, trimSpaces(strSize));
        L::isle.write(rec, trimSpaces(strIsle));
        L::selectedYN.write(rec, trimSpaces(strSelectedYN));
        L::selectedQuantity.write(rec, trimSpaces(strSelectedQuantity));
        L::future.write(rec, trimSpaces(strFuture));
        qint64 slot = count + 1;
        const qint64 from = SyncScope::freeFrom(strFileName); // none free before it
        if (from <= count) {
            f.forEachRecord(
                L::blank(),
                [&](qint64 n, const char* r) {
                    if (L::catId(r) != 0) return true;
                    slot = n;
                    return false;
                },
                RecordFile::Holes::Visit, from); // a record in a hole is free too
        }
        f.write(slot, rec);
        SyncScope::setFreeFrom(strFileName, slot + 1);
        id = static_cast<qint32>(slot);
    });
    return ok ? id : 0;
}

bool cSourceItem::blnEditRecord(qint32 ID) {
    return run(m_ctx, strFileName, "cSourceItem.blnEditRecord_Error: ", [&](RecordFile& f) {
        char rec[L::kLength];
        f.read(ID, rec, L::blank());
        L::setCatId(rec, lngCatID);
        L::cost.write(rec, formatFixed(strCost));
        // An edited quantity is stored with two decimals, a new one (lngAddRecord) whole; both
        // read back whole.
        L::quantity.write(rec, formatFixed(strQuantity));
        L::item.write(rec, trimSpaces(strItem));
        L::size.write(rec, trimSpaces(strSize));
        L::isle.write(rec, trimSpaces(strIsle));
        L::future.write(rec, trimSpaces(strFuture));
        f.write(ID, rec);
    });
}

bool cSourceItem::blnClearSelections() {
    // Every record gets "N", free slots too; the records of a sparse file's holes are left
    // unused, as they read.
    open(
        strFileName,
        [&](RecordFile& f) {
            f.scan(L::blank(), [&](qint64, char* rec) {
                if (rec[174] == 'N') return Scan::Next;
                rec[174] = 'N';
                return Scan::WriteBack;
            });
        },
        Access::ReadWrite);
    return true;
}

bool cSourceItem::blnRefreshSortList(ListTarget& lb, QString& strSort) {
    strSort = trimSpaces(strSort);
    lb.clear();
    return run(
        m_ctx, strFileName, "cSourceItem.blnRefreshSortList_Error: ",
        [&](RecordFile& f) {
            const QString mode = strSort.toUpper();
            enum { None, ByItem, ByIsle, ByCategory } kind = None;
            if (mode == QLatin1String("SORTED BY ITEM"))
                kind = ByItem;
            else if (mode == QLatin1String("SORTED BY ISLE"))
                kind = ByIsle;
            else if (mode == QLatin1String("SORTED BY CATEGORY"))
                kind = ByCategory;
            if (kind == None) return;
            // The key of an entry: the item, or the isle or the category name, a dot and the
            // item.
            CategoryNames names(m_ctx);
            // Each category's name once: the usual small IDs by index, others by hash.
            std::vector<std::optional<ListOrder::Piece>> smallIds(1024);
            QHash<qint32, ListOrder::Piece> otherIds;
            auto nameOf = [&](qint32 id) -> const ListOrder::Piece& {
                if (id >= 0 && id < 1024) {
                    auto& name = smallIds[static_cast<std::size_t>(id)];
                    if (!name) name = ListOrder::piece(names.name(id));
                    return *name;
                }
                auto found = otherIds.find(id);
                if (found == otherIds.end())
                    found = otherIds.insert(id, ListOrder::piece(names.name(id)));
                return *found;
            };
            ListOrder order;
            f.forEachRecord(L::blank(), [&](qint64 n, const char* rec) {
                if (rec[174] != 'Y') return true;
                const auto [item, itemSize] = L::item.trimmedBytes(rec);
                if (itemSize == 0) return true; // on the list needs a description
                order.begin(static_cast<qint32>(n));
                if (kind == ByIsle) {
                    const auto [isle, isleSize] = L::isle.trimmedBytes(rec);
                    order.append(isle, isleSize);
                    order.append('.');
                } else if (kind == ByCategory) {
                    order.append(nameOf(L::catId(rec)));
                    order.append('.');
                }
                order.append(item, itemSize);
                return true;
            });
            order.fill(lb);
        },
        Access::Read);
}

bool cSourceItem::blnSelectRecord(qint32 ID, const QString& strQty) {
    return run(m_ctx, strFileName, "cSourceItem.blnSelectRecord_Error: ", [&](RecordFile& f) {
        char rec[L::kLength];
        f.read(ID, rec, L::blank());
        rec[174] = 'Y';
        L::selectedQuantity.write(rec, trimSpaces(strQty));
        f.write(ID, rec);
    });
}

Money cSourceItem::Calculate() {
    Money total;
    open(
        strFileName,
        [&](RecordFile& f) {
            f.forEachRecord(L::blank(), [&](qint64, const char* rec) {
                if (L::isListed(rec)) {
                    const double cost = leadingNumber(rec + L::cost.offset, L::cost.width);
                    const double qty =
                        leadingNumber(rec + L::selectedQuantity.offset, L::selectedQuantity.width);
                    total += Money::fromDouble(cost * qty);
                }
                return true;
            });
        },
        Access::Read);
    return total;
}

bool cSourceItem::blnUnselectRecord(qint32 ID) {
    return run(m_ctx, strFileName, "cSourceItem.blnUnSelectRecord_Error: ", [&](RecordFile& f) {
        char rec[L::kLength];
        f.read(ID, rec, L::blank());
        rec[174] = 'N';
        std::memcpy(rec + L::selectedQuantity.offset, rec + L::quantity.offset, 10);
        f.write(ID, rec);
    });
}

} // namespace cw
