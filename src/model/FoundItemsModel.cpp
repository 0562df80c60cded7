#include "model/FoundItemsModel.h"

#include "core/Failure.h"
#include "core/Text.h"
#include "store/CategoryNames.h"
#include "store/ItemQuery.h"
#include "store/ItemStore.h"

#include <QHash>

namespace cw {

FoundItemsModel::FoundItemsModel(Context& ctx, QObject* parent)
    : QAbstractTableModel(parent), m_ctx(ctx) {}

int FoundItemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
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
    const Row& r = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Cost ? int(Qt::AlignRight | Qt::AlignVCenter)
                                      : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Description:
        return trimSpaces(r.item.description);
    case Size:
        return trimSpaces(r.item.size);
    case Category:
        return r.category;
    case Aisle:
        return trimSpaces(r.item.aisle);
    case Cost:
        return r.item.cost;
    case OnList:
        return r.item.onList() ? tr("Yes") : QString();
    default:
        return {};
    }
}

void FoundItemsModel::search(const QString& text) {
    m_text = text;
    qint64 matched = 0;
    std::vector<Item> items;
    std::vector<Row> rows;
    const ItemQuery query(text);
    if (!query.isEmpty()) {
        items = ItemStore(m_ctx).search(query, kMostShown, matched);
        CategoryNames names(m_ctx); // the category file read once, and only when needed
        QHash<qint32, QString> categories;
        rows.reserve(items.size());
        for (Item& item : items) {
            auto name = categories.find(item.categoryId);
            if (name == categories.end())
                name = categories.insert(item.categoryId, trimSpaces(names.name(item.categoryId)));
            rows.push_back(Row{std::move(item), *name});
        }
    }
    beginResetModel();
    m_rows = std::move(rows);
    m_matched = matched;
    endResetModel();
}

const FoundItemsModel::Row& FoundItemsModel::at(int row) const {
    if (row < 0 || row >= rowCount()) throw Failure("Invalid property array index");
    return m_rows[static_cast<std::size_t>(row)];
}

qint32 FoundItemsModel::idAt(int row) const {
    return at(row).item.id;
}

qint32 FoundItemsModel::categoryIdAt(int row) const {
    return at(row).item.categoryId;
}

} // namespace cw
