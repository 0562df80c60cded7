#pragma once
// Items found by what the user typed (Find Item): each row an item whose description holds
// every word typed, without regard to case or accents, in the order of the items lists. A
// search reads the item file afresh; between searches the model keeps only the rows shown, as
// bytes decoded when a row is painted. Very common words are cut short: the first kMostShown
// matches are shown, and the count of all of them.
#include "core/Context.h"
#include "store/ListedItems.h"

#include <QHash>

#include <QAbstractTableModel>
#include <vector>

namespace cw {

class FoundItemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Description, Size, Category, Aisle, Cost, OnList, ColumnCount };
    static constexpr int kMostShown = 500;

    FoundItemsModel(Context& ctx, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The rows of the items that match this text (none for a blank text). Failures pass on.
    void search(const QString& text);
    // The last search made again (the items may have changed since).
    void searchAgain() { search(m_text); }

    QString text() const { return m_text; }
    // How many items matched in all; more than rowCount() when they were cut short.
    qint64 matched() const { return m_matched; }
    // Throw Failure for a row out of range.
    qint32 idAt(int row) const;
    qint32 categoryIdAt(int row) const;

private:
    void check(int row) const;

    Context& m_ctx;
    QString m_text;
    qint64 m_matched = 0;
    ListedItems m_items;
    QHash<qint32, QString> m_categories; // the names of the rows' categories
};

} // namespace cw
