#pragma once
// Category names for one pass over the shopping list: the category file is read once, on the
// first lookup, instead of once per item. A failure is reported as a category lookup
// reports it, once per pass however many items meet it, and the name is then empty.
#include "core/Context.h"

#include <QHash>
#include <QString>

namespace cw {

class CategoryNames {
public:
    explicit CategoryNames(Context& ctx) : m_ctx(ctx) {}
    QString name(qint32 id);

private:
    void load();
    Context& m_ctx;
    bool m_loaded = false;
    bool m_failed = false;
    bool m_reported = false;
    QHash<qint32, QString> m_names; // the used records only
};

} // namespace cw
