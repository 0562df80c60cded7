#pragma once
// The shopping list as the window shows it: one row per item on the list, in the list's order,
// with the columns ID (hidden), Isle, Item, Size, Category, Qty and Total, and the running
// total below. A refill keeps the rows as the refill read them, and a row's cells are made
// when a view (or the printout, or the export) asks for them.
#include "core/Numbers.h"
#include "store/ListedItems.h"

#include <QAbstractTableModel>
#include <QByteArrayView>
#include <QHash>
#include <array>
#include <vector>

namespace cw {

class ShoppingListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Id, Aisle, Item, Size, Category, Quantity, Total, ColumnCount };

    explicit ShoppingListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A column's heading as the export writes it in every language ("Qty ", " Isle "...), as
    // the grid and the printout show it in the user's, and the column's alignment.
    static QString heading(int column);
    static QString shownHeading(int column);
    static Qt::Alignment alignment(int column);
    // A row's cell; throws Failure for a row or column out of range.
    QString cell(int row, int column) const;
    // A row's cells Isle to Total in Windows-1252 (the export's way to read the list): views
    // of the bytes kept, or of `scratch`, where they had to be made.
    struct Scratch {
        char digits[Money::kFixedSize];
        QByteArray quantity, total;
    };
    void rowBytes(int row, std::array<QByteArrayView, 6>& cells, Scratch& scratch) const;
    qint32 idAt(int row) const;
    // The running total as shown: ".00" before the first refill.
    QString totalText() const { return m_total; }

    // The rows of `items` in the order of `rows` (positions in `items`), their categories'
    // names from `names`. A line cost past the money range ends the rows before it and
    // throws.
    void showRows(ListedItems items, std::vector<int> rows, QHash<qint32, QString> names);
    void clearRows();
    void setTotalText(const QString& text);
    // After a quantity was set from the keypad: the row's Qty and Total cells as given.
    void setQuantityCells(int row, const QString& quantity, const QString& total);

signals:
    void totalChanged(const QString& text);

private:
    struct Row {
        int item;       // in m_items
        Money lineCost; // worked out by the refill
    };
    void checkRow(int row) const;
    ListedItems m_items;
    std::vector<Row> m_rows;
    QHash<qint32, QString> m_names;
    QHash<qint32, QByteArray> m_nameBytes;           // the names in Windows-1252
    QHash<int, std::pair<QString, QString>> m_typed; // row -> Qty and Total set from the keypad
    QString m_total = QStringLiteral(".00");
};

} // namespace cw
