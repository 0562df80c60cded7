#include "store/CategoryStore.h"

#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"
#include "store/RecordLayout.h"
#include "store/StoreOperation.h"

namespace cw {
namespace {

using L = CategoryLayout;
using Access = RecordFile::Access;

template <class Body>
bool run(Context& ctx, const QString& path, const char* prefix, Body&& body,
         Access access = Access::ReadWrite) {
    return runTrapped(ctx, path, L::kLength, L::blank(), prefix, std::forward<Body>(body), access);
}

// Writes the names into free records, the first free one on: the first record of an empty
// file takes its name trimmed, every other record the name as given (readers trim). `added`
// gets each ID as it is written.
void addNames(RecordFile& file, const QStringList& names, std::vector<qint32>& added) {
    qint64 free = 1; // no record before it is free
    for (const QString& name : names) {
        char record[L::kLength];
        const qint64 count = file.recordCount();
        qint64 slot = count + 1;
        if (count == 0) {
            L::name.write(record, trimSpaces(name));
            slot = 1;
        } else {
            file.forEachRecord(
                L::blank(),
                [&](qint64 n, const char* r) {
                    if (!L::name.isBlank(r)) return true;
                    slot = n;
                    return false;
                },
                RecordFile::Holes::Visit, free); // the records of a hole are free too
            L::name.write(record, name);
        }
        file.write(slot, record);
        free = slot + 1;
        added.push_back(static_cast<qint32>(slot));
    }
}

} // namespace

CategoryStore::CategoryStore(Context& ctx)
    : m_ctx(ctx), m_path(ctx.dataPath(QLatin1StringView(kCategoryFileName))) {}

std::optional<QString> CategoryStore::find(qint32 id) {
    QString name;
    const bool found = run(
        m_ctx, m_path, prefix::kFindCategory,
        [&](RecordFile& f) {
            char record[L::kLength];
            f.read(id, record, L::blank());
            name = L::name.read(record);
        },
        Access::Read);
    if (!found) return std::nullopt;
    return name;
}

bool CategoryStore::remove(qint32 id) {
    return run(m_ctx, m_path, prefix::kDeleteCategoryRecord,
               [&](RecordFile& f) { f.write(id, L::blank()); });
}

bool CategoryStore::list(std::vector<Category>& out) {
    out.clear();
    std::vector<qint32> ids;
    ListOrder order;
    const bool listed = run(
        m_ctx, m_path, prefix::kListCategories,
        [&](RecordFile& f) {
            f.forEachRecord(L::blank(), [&](qint64 n, const char* record) {
                const auto [name, size] = L::name.trimmedBytes(record);
                if (size == 0) return true;
                ids.push_back(static_cast<qint32>(n));
                order.begin();
                order.append(name, size);
                return true;
            });
        },
        Access::Read);
    out.reserve(ids.size());
    for (const int i : order.sorted())
        out.push_back(Category{ids[static_cast<std::size_t>(i)], order.text(i)});
    return listed;
}

qint32 CategoryStore::add(const QString& name) {
    const std::vector<qint32> added = addAll({name});
    return added.empty() ? 0 : added.front();
}

std::vector<qint32> CategoryStore::addAll(const QStringList& names) {
    std::vector<qint32> added;
    const bool stored =
        run(m_ctx, m_path, prefix::kAddCategory, [&](RecordFile& f) { addNames(f, names, added); });
    // Every name written, but the file not closed as written: the last does not count.
    if (!stored && added.size() == static_cast<std::size_t>(names.size()) && !added.empty())
        added.pop_back();
    return added;
}

bool CategoryStore::rename(qint32 id, const QString& name) {
    return run(m_ctx, m_path, prefix::kRenameCategory, [&](RecordFile& f) {
        char record[L::kLength];
        L::name.write(record, trimSpaces(name));
        f.write(id, record);
    });
}

QString CategoryStore::nameOf(qint32 id) {
    return trimSpaces(find(id).value_or(QString()));
}

} // namespace cw
