#pragma once
// Grid1: a read-only grid of text cells with one fixed header row (row 0), shown as the
// view's column headers. Rows are counted with the header row, as every reader expects.
#include "store/GridSource.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

namespace cw {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::vector<QStringList> rows{QStringList()}; // rows[0] is the header row
    std::vector<Qt::Alignment> alignments;
    int cols = 0;
    bool batching = false;
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void appendRow(const QStringList& cells);
    void changed(int row, int col);
};

class ShoppingGrid : public QTableView, public GridSource {
    Q_OBJECT
public:
    explicit ShoppingGrid(QWidget* parent = nullptr);

    // GridSource
    int rowCount() const override { return static_cast<int>(m_model.rows.size()); }
    QString cellText(int row, int col) const override;
    QString totalCaption() const override;

    void setCols(int cols);
    // "ID |< Isle |<Item  |..." : header captions and alignments ("<" left, ">" right).
    void setFormatString(const QString& format);
    // Column widths as fractions of the grid's width; 0 hides a column.
    void setColWidthFractions(const std::vector<double>& fractions);
    void setRows(int rows); // cuts (or pads) to this many rows, header included
    void addRow(const QStringList& cells);
    void setCellText(int row, int col, const QString& text);
    // The current row: the data row the user last clicked, 0 when none.
    int currentGridRow() const;
    void setCurrentGridRow(int row);
    // Repainting off while rows are added; on again draws once.
    void setRedraw(bool on);

    // Where the running total is shown; read by totalCaption().
    void setTotalSource(std::function<QString()> total) { m_total = std::move(total); }

signals:
    void gridClicked();
    void gridDoubleClicked();

private:
    void checkCell(int row, int col) const;
    GridModel m_model;
    std::function<QString()> m_total;
};

} // namespace cw
