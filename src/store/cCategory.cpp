#include "store/cCategory.h"

#include "core/Trap.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/StoreOperation.h"
#include "store/SyncScope.h"

namespace cw {
namespace {

using L = CategoryLayout;

using Access = RecordFile::Access;

template <class Body>
bool run(Context& ctx, const QString& path, const char* prefix, Body&& body,
         Access access = Access::ReadWrite) {
    return runTrapped(ctx, path, L::kLength, L::blank(), prefix, std::forward<Body>(body), access);
}

} // namespace

cCategory::cCategory(Context& ctx)
    : strFileName(ctx.dataPath(QLatin1StringView(kCategoryFileName))), m_ctx(ctx) {}

bool cCategory::blnFindRecord(qint32 ID) {
    return run(
        m_ctx, strFileName, "cCategory.blnFindRecord_Error: ",
        [&](RecordFile& f) {
            char rec[L::kLength];
            f.read(ID, rec, L::blank());
            strCategory = L::category.read(rec);
        },
        Access::Read);
}

bool cCategory::blnDeleteRecord(qint32 ID) {
    return run(m_ctx, strFileName, "cCategory.blnDeleteRecord_Error: ", [&](RecordFile& f) {
        f.write(ID, L::blank());
    });
}

bool cCategory::blnRefreshList(ListTarget& lb) {
    lb.clear();
    return run(
        m_ctx, strFileName, "cCategory.blnRefreshList_Error: ",
        [&](RecordFile& f) {
            f.forEachRecord(L::blank(), [&](qint64 n, const char* rec) {
                if (!L::category.isBlank(rec))
                    lb.addEntry(L::category.read(rec), static_cast<qint32>(n));
                return true;
            });
        },
        Access::Read);
}

qint32 cCategory::lngAddRecord() {
    qint32 id = 0;
    const bool ok = run(m_ctx, strFileName, "cCategory.lngAddRecord_Error: ", [&](RecordFile& f) {
        char rec[L::kLength];
        const qint64 count = f.recordCount();
        if (count == 0) {
            // Only the first record is written trimmed; a reused or appended slot keeps the
            // name as given, and every reader trims.
            L::category.write(rec, trimSpaces(strCategory));
            f.write(1, rec);
            SyncScope::setFreeFrom(strFileName, 2);
            id = 1;
            return;
        }
        qint64 slot = count + 1;
        f.forEachRecord(
            L::blank(),
            [&](qint64 n, const char* r) {
                if (!L::category.isBlank(r)) return true;
                slot = n;
                return false;
            },
            RecordFile::Holes::Visit, SyncScope::freeFrom(strFileName)); // holes are free too
        L::category.write(rec, strCategory);
        f.write(slot, rec);
        SyncScope::setFreeFrom(strFileName, slot + 1);
        id = static_cast<qint32>(slot);
    });
    return ok ? id : 0;
}

bool cCategory::blnEditRecord(qint32 ID) {
    return run(m_ctx, strFileName, "cCategory.blnEditRecord_Error: ", [&](RecordFile& f) {
        char rec[L::kLength];
        L::category.write(rec, trimSpaces(strCategory));
        f.write(ID, rec);
    });
}

QString GetCategoryName(Context& ctx, qint32 ID) {
    cCategory cat(ctx);
    return GetCategoryName(cat, ID);
}

QString GetCategoryName(cCategory& cat, qint32 ID) {
    return cat.blnFindRecord(ID) ? trimSpaces(cat.strCategory) : QString();
}

} // namespace cw
