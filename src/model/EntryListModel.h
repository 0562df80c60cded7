#pragma once
// A list of entries the user chooses from (the categories, or one category's items): each an
// ID and the text shown. The entries stand in ascending order of their texts without regard to
// case; a new one goes after every entry that compares equal to it, and an entry renamed keeps
// its place until the list is filled again.
#include <QAbstractListModel>
#include <vector>

namespace cw {

class EntryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    struct Entry {
        qint32 id = 0;
        QString text;
    };
    // The role that gives an entry's ID.
    static constexpr int IdRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Every entry replaced by these, already in list order.
    void fill(std::vector<Entry> entries);
    void clear() { fill({}); }
    // A new entry in its place; returns its row.
    int insert(qint32 id, const QString& text);
    void rename(int row, const QString& text);
    void remove(int row);

    int count() const { return static_cast<int>(m_entries.size()); }
    // Throws Failure for a row out of range.
    qint32 idAt(int row) const;
    QString textAt(int row) const;
    // The row of the entry with this ID, -1 when there is none.
    int rowOf(qint32 id) const;

private:
    const Entry& at(int row) const;
    std::vector<Entry> m_entries;
};

} // namespace cw
