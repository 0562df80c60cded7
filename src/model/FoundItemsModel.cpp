#include "model/FoundItemsModel.h"

#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "store/CategoryNames.h"
#include "store/ItemQuery.h"
#include "store/ItemStore.h"

#include <QHash>

namespace cw {

FoundItemsModel::FoundItemsModel(Context& ctx, QObject* parent)
    : QAbstractTableModel(parent), m_ctx(ctx) {}

int FoundItemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_items.count();
}

int FoundItemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundItemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Description:
        return tr("Item");
    case Size:
        return tr("Size");
    case Category:
        return tr("Category");
    case Aisle:
        return tr("Isle");
    case Cost:
        return tr("Cost");
    case OnList:
        return tr("On List");
    default:
        return {};
    }
}

QVariant FoundItemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Cost ? int(Qt::AlignRight | Qt::AlignVCenter)
                                      : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    using Field = ListedItems::Field;
    const int r = index.row();
    switch (index.column()) {
    case Description:
        return m_items.text(r, Field::Description);
    case Size:
        return m_items.text(r, Field::Size);
    case Category:
        return m_categories.value(m_items.categoryId(r));
    case Aisle:
        return m_items.text(r, Field::Aisle);
    case Cost:
        return shownNumber(formatFixed(m_items.text(r, Field::Cost)));
    case OnList:
        return m_items.onList(r) ? tr("Yes") : QString();
    default:
        return {};
    }
}

void FoundItemsModel::search(const QString& text) {
    m_text = text;
    qint64 matched = 0;
    ListedItems items;
    QHash<qint32, QString> categories;
    const ItemQuery query(text);
    if (!query.isEmpty()) {
        items = ItemStore(m_ctx).search(query, kMostShown, matched);
        CategoryNames names(m_ctx); // the category file read once, and only when needed
        for (int i = 0; i < items.count(); ++i) {
            const qint32 id = items.categoryId(i);
            if (!categories.contains(id)) categories.insert(id, trimSpaces(names.name(id)));
        }
    }
    beginResetModel();
    m_items = std::move(items);
    m_categories = std::move(categories);
    m_matched = matched;
    endResetModel();
}

void FoundItemsModel::check(int row) const {
    if (row < 0 || row >= rowCount()) throw Failure::invalidIndex();
}

qint32 FoundItemsModel::idAt(int row) const {
    check(row);
    return m_items.id(row);
}

qint32 FoundItemsModel::categoryIdAt(int row) const {
    check(row);
    return m_items.categoryId(row);
}

} // namespace cw
