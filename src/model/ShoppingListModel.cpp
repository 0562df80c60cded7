#include "model/ShoppingListModel.h"

#include "core/CodePage.h"
#include "core/Failure.h"

#include <algorithm>
#include <array>
#include <optional>

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
// number of at most two decimals is that form already, and the number the item read.
double shownCost(const ListedItems& items, int item) {
    const auto [bytes, size] = items.bytes(item, ListedItems::Field::Cost);
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
    if (i == size && digits > 0 && decimals <= 2) return items.cost(item);
    return leadingNumber(formatFixed(fromCp1252(bytes, size)));
}

} // namespace

ShoppingListModel::ShoppingListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString ShoppingListModel::heading(int column) {
    const QString& piece = format().at(column);
    return piece.startsWith('<') || piece.startsWith('>') ? piece.mid(1) : piece;
}

QString ShoppingListModel::shownHeading(int column) {
    // The headings of the format, as the user's language has them.
    static const char* const shown[ColumnCount] = {
        QT_TR_NOOP("ID "),       QT_TR_NOOP(" Isle "), QT_TR_NOOP("Item  "), QT_TR_NOOP("Size "),
        QT_TR_NOOP("Category "), QT_TR_NOOP("Qty "),   QT_TR_NOOP("Total  ")};
    return column >= 0 && column < ColumnCount ? tr(shown[column]) : QString();
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
    if (role == Qt::DisplayRole) {
        const QString text = cell(index.row(), index.column());
        return index.column() == Total ? shownNumber(text) : text;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(index.column()) | Qt::AlignVCenter);
    return {};
}

QVariant ShoppingListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return shownHeading(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(section) | Qt::AlignVCenter);
    return {};
}

void ShoppingListModel::checkRow(int row) const {
    if (row < 0 || row >= rowCount()) throw Failure::subscriptOutOfRange();
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
        throw Failure::subscriptOutOfRange();
    }
}

void ShoppingListModel::rowBytes(int row, std::array<QByteArrayView, 6>& cells,
                                 Scratch& scratch) const {
    checkRow(row);
    // The rows are read one after the other while the items lie in the order of the file:
    // the items of the rows ahead are fetched from memory meanwhile.
    const std::size_t ahead = static_cast<std::size_t>(row) + 8;
    if (ahead < m_rows.size()) m_items.prefetch(m_rows[ahead].item);
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    auto kept = [&](Field field) {
        const auto [bytes, size] = m_items.bytes(r.item, field);
        return QByteArrayView(bytes, size);
    };
    cells[0] = kept(Field::Aisle);
    cells[1] = kept(Field::Description);
    cells[2] = kept(Field::Size);
    const auto name = m_nameBytes.constFind(m_items.categoryId(r.item));
    cells[3] = name == m_nameBytes.cend() ? QByteArrayView() : QByteArrayView(*name);
    const auto typed = m_typed.isEmpty() ? m_typed.cend() : m_typed.constFind(row);
    if (typed != m_typed.cend()) {
        scratch.quantity = toCp1252(typed->first);
        scratch.total = toCp1252(typed->second);
        cells[4] = scratch.quantity;
        cells[5] = scratch.total;
        return;
    }
    const QByteArrayView quantity = kept(Field::ListQuantity);
    // A whole number written plainly is its whole-number format already.
    const bool plain =
        !quantity.isEmpty() && quantity.size() < 16 && quantity.front() >= '1' &&
        quantity.front() <= '9' &&
        std::all_of(quantity.begin(), quantity.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!plain)
        scratch.quantity = toCp1252(formatWhole(fromCp1252(quantity.data(), int(quantity.size()))));
    cells[4] = plain ? quantity : QByteArrayView(scratch.quantity);
    cells[5] = QByteArrayView(scratch.digits, r.lineCost.writeFixed(scratch.digits));
}

void ShoppingListModel::showRows(ListedItems items, std::vector<int> rows,
                                 QHash<qint32, QString> names) {
    beginResetModel();
    m_names = std::move(names);
    m_nameBytes.clear();
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it)
        m_nameBytes.insert(it.key(), toCp1252(it.value()));
    m_typed.clear();
    m_rows.clear();
    m_rows.reserve(rows.size());
    m_items = std::move(items);
    try {
        // The rows' line costs, worked out in the order the items were read.
        std::vector<std::optional<Money>> lineCosts(static_cast<std::size_t>(m_items.count()));
        for (int item = 0; item < m_items.count(); ++item) {
            try {
                lineCosts[static_cast<std::size_t>(item)] =
                    Money::fromDouble(shownCost(m_items, item) * m_items.quantity(item));
            } catch (const Failure&) { // past the range: the rows end before it
            }
        }
        for (const int item : rows) {
            const std::optional<Money>& line = lineCosts[static_cast<std::size_t>(item)];
            if (!line) throw Failure::overflow();
            m_rows.push_back(Row{item, *line});
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
