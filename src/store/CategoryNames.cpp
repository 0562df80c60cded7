#include "store/CategoryNames.h"

#include "core/Failure.h"
#include "core/ReportPrefixes.h"
#include "core/Trap.h"
#include "store/RecordFile.h"
#include "store/RecordLayout.h"
#include "store/StoreOperation.h"

namespace cw {

namespace {
constexpr const char* kPrefix = prefix::kFindCategory;
}

void CategoryNames::load() {
    m_loaded = true;
    m_failed = m_reported = !runTrapped(
        m_ctx, m_ctx.dataPath(QString::fromLatin1(kCategoryFileName)), CategoryLayout::kLength,
        CategoryLayout::blank(), kPrefix,
        [&](RecordFile& file) {
            file.forEachRecord(CategoryLayout::blank(), [&](qint64 n, const char* rec) {
                if (!CategoryLayout::name.isBlank(rec))
                    m_names.emplace(static_cast<qint32>(n), CategoryLayout::name.read(rec));
                return true;
            });
        },
        RecordFile::Access::Read);
}

QString CategoryNames::name(qint32 id) {
    if (!m_loaded) load();
    if (m_failed) return QString();
    if (id < 1) {
        if (!m_reported) {
            m_reported = true;
            skip([&] {
                report(m_ctx, QString::fromLatin1(kPrefix),
                       QString::fromUtf8(Failure::badRecordNumber().what()));
            });
        }
        return QString();
    }
    return m_names.value(id); // a blank record, or one beyond the end: no name
}

} // namespace cw
