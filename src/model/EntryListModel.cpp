#include "model/EntryListModel.h"

#include "core/Failure.h"
#include "store/ListOrder.h"

namespace cw {

int EntryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    const Entry& e = m_entries[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return e.text;
    if (role == IdRole) return e.id;
    return {};
}

void EntryListModel::fill(std::vector<Entry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int EntryListModel::insert(qint32 id, const QString& text) {
    const QString key = listSortKey(text);
    // After every entry that compares equal.
    int lo = 0, hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (key < listSortKey(m_entries[static_cast<std::size_t>(mid)].text))
            hi = mid;
        else
            lo = mid + 1;
    }
    beginInsertRows({}, lo, lo);
    m_entries.insert(m_entries.begin() + lo, Entry{id, text});
    endInsertRows();
    return lo;
}

void EntryListModel::rename(int row, const QString& text) {
    at(row);
    m_entries[static_cast<std::size_t>(row)].text = text;
    emit dataChanged(index(row), index(row), {Qt::DisplayRole});
}

void EntryListModel::remove(int row) {
    at(row);
    beginRemoveRows({}, row, row);
    m_entries.erase(m_entries.begin() + row);
    endRemoveRows();
}

const EntryListModel::Entry& EntryListModel::at(int row) const {
    if (row < 0 || row >= count()) throw Failure::invalidIndex();
    return m_entries[static_cast<std::size_t>(row)];
}

qint32 EntryListModel::idAt(int row) const {
    return at(row).id;
}

QString EntryListModel::textAt(int row) const {
    return at(row).text;
}

int EntryListModel::rowOf(qint32 id) const {
    for (std::size_t row = 0; row < m_entries.size(); ++row)
        if (m_entries[row].id == id) return static_cast<int>(row);
    return -1;
}

} // namespace cw
