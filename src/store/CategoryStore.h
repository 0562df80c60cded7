#pragma once
// The category file: find, list, add, rename and delete categories. Every operation opens the
// file, works and closes it, and reports its own failure (under its prefix) and returns its
// failure value.
#include "core/Context.h"
#include "store/Category.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace cw {

class CategoryStore {
public:
    explicit CategoryStore(Context& ctx);

    QString path() const { return m_path; }

    // The category's name; a free record has an empty one.
    std::optional<QString> find(qint32 id);
    bool remove(qint32 id);
    // Every category with a name, in list order (by name without regard to case). After a
    // failure the list holds what was read before it.
    bool list(std::vector<Category>& out);
    // Stores a new category in the first free record; its ID, or 0 after a failure. The name is
    // written as given, and trimmed only into the first record of an empty file.
    qint32 add(const QString& name);
    // Adds each name in turn in one opening of the file; the IDs of those added, which stop
    // short at the first that fails.
    std::vector<qint32> addAll(const QStringList& names);
    bool rename(qint32 id, const QString& name);
    // The category's name, trimmed; empty when it cannot be read (which has been reported).
    QString nameOf(qint32 id);

private:
    Context& m_ctx;
    QString m_path;
};

} // namespace cw
