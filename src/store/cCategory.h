#pragma once
// The category file: find, list, add, rename and delete categories. Every operation opens
// the file, works and closes it; failures are reported under the operation's own prefix.
#include "core/Context.h"
#include "store/ListTarget.h"

#include <QString>

namespace cw {

class cCategory {
public:
    explicit cCategory(Context& ctx);

    QString strFileName;
    QString strCategory;

    bool blnFindRecord(qint32 ID);
    bool blnDeleteRecord(qint32 ID);
    bool blnRefreshList(ListTarget& lb);
    qint32 lngAddRecord();
    bool blnEditRecord(qint32 ID);

private:
    Context& m_ctx;
};

// The trimmed name of a category, empty when it cannot be read (the store has reported it).
QString GetCategoryName(Context& ctx, qint32 ID);
// The same through a category object that a loop makes once.
QString GetCategoryName(cCategory& cat, qint32 ID);

} // namespace cw
