#include "store/CategoryNames.h"

#include "core/Trap.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/StoreOperation.h"

namespace cw {

namespace {
constexpr const char* kPrefix = "cCategory.blnFindRecord_Error: ";
}

void CategoryNames::load() {
    m_loaded = true;
    m_failed = m_reported = !runTrapped(
        m_ctx, m_ctx.dataPath(QString::fromLatin1(kCategoryFileName)), CategoryLayout::kLength,
        CategoryLayout::blank(), kPrefix, [&](RecordFile& file) {
            file.scan(CategoryLayout::blank(), [&](qint64, char* rec) {
                m_names.push_back(CategoryLayout::category.read(rec));
                return RecordFile::Scan::Next;
            });
        });
}

QString CategoryNames::name(qint32 id) {
    if (!m_loaded) load();
    if (m_failed) return QString();
    if (id < 1) {
        if (!m_reported) {
            m_reported = true;
            skip([&] {
                report(m_ctx, QString::fromLatin1(kPrefix), QStringLiteral("Bad record number"));
            });
        }
        return QString();
    }
    const auto index = static_cast<std::size_t>(id - 1);
    return index < m_names.size() ? m_names[index] : QString();
}

} // namespace cw
