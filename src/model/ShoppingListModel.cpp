#include "model/ShoppingListModel.h"

#include "core/CodePage.h"
#include "core/Failure.h"

namespace cw {
namespace {

using Field = ListedItems::Field;

// The grid's format: a heading for each column, "<" before it left-aligned, ">" right-aligned;
// every blank belongs to the heading.
const QStringList& format() {
    static const QStringList pieces =
        QStringLiteral("ID |< Isle |<Item  |<Size |<Category |>Qty |>Total  ").split('|');
    return pieces;
}

// The cost as the grid has always read it: the number its two-decimal form begins with. A plain
// number of at most two decimals is that form already.
double shownCost(const char* bytes, int size) {
    int i = 0, digits = 0, decimals = -1;
    if (i < size && (bytes[i] == '-' || bytes[i] == '+')) ++i;
    for (; i < size; ++i) {
        if (bytes[i] == '.' && decimals < 0) {
            decimals = 0;
        } else if (bytes[i] >= '0' && bytes[i] <= '9') {
            ++digits;
            if (decimals >= 0) ++decimals;
        } else {
            break;
        }
    }
    if (i == size && digits > 0 && decimals <= 2) return leadingNumber(bytes, size);
    return leadingNumber(formatFixed(fromCp1252(bytes, size)));
}

} // namespace

ShoppingListModel::ShoppingListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString ShoppingListModel::heading(int column) {
    const QString& piece = format().at(column);
    return piece.startsWith('<') || piece.startsWith('>') ? piece.mid(1) : piece;
}

Qt::Alignment ShoppingListModel::alignment(int column) {
    return format().at(column).startsWith('>') ? Qt::AlignRight : Qt::AlignLeft;
}

int ShoppingListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ShoppingListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ShoppingListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(index.column()) | Qt::AlignVCenter);
    return {};
}

QVariant ShoppingListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return heading(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(section) | Qt::AlignVCenter);
    return {};
}

void ShoppingListModel::checkRow(int row) const {
    if (row < 0 || row >= rowCount()) throw Failure("Subscript out of range");
}

qint32 ShoppingListModel::idAt(int row) const {
    checkRow(row);
    return m_items.id(m_rows[static_cast<std::size_t>(row)].item);
}

QString ShoppingListModel::cell(int row, int column) const {
    checkRow(row);
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    if (column == Quantity || column == Total) {
        const auto typed = m_typed.constFind(row);
        if (typed != m_typed.cend()) return column == Quantity ? typed->first : typed->second;
    }
    switch (column) {
    case Id:
        return QString::number(m_items.id(r.item));
    case Aisle:
        return m_items.text(r.item, Field::Aisle);
    case Item:
        return m_items.text(r.item, Field::Description);
    case Size:
        return m_items.text(r.item, Field::Size);
    case Category:
        return m_names.value(m_items.categoryId(r.item));
    case Quantity:
        return formatWhole(m_items.text(r.item, Field::ListQuantity));
    case Total:
        return r.lineCost.toFixed();
    default:
        throw Failure("Subscript out of range");
    }
}

void ShoppingListModel::showRows(ListedItems items, std::vector<int> rows,
                                 QHash<qint32, QString> names) {
    beginResetModel();
    m_items = std::move(items);
    m_names = std::move(names);
    m_typed.clear();
    m_rows.clear();
    m_rows.reserve(rows.size());
    try {
        for (const int item : rows) {
            const auto [cost, costSize] = m_items.bytes(item, Field::Cost);
            const auto [quantity, quantitySize] = m_items.bytes(item, Field::ListQuantity);
            const double line = shownCost(cost, costSize) * leadingNumber(quantity, quantitySize);
            m_rows.push_back(Row{item, Money::fromDouble(line)});
        }
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void ShoppingListModel::clearRows() {
    beginResetModel();
    m_rows.clear();
    m_items.clear();
    m_typed.clear();
    endResetModel();
}

void ShoppingListModel::setTotalText(const QString& text) {
    m_total = text;
    emit totalChanged(text);
}

void ShoppingListModel::setQuantityCells(int row, const QString& quantity, const QString& total) {
    checkRow(row);
    m_typed.insert(row, {quantity, total});
    emit dataChanged(index(row, Quantity), index(row, Total), {Qt::DisplayRole});
}

} // namespace cw
