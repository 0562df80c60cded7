#pragma once
// Grid1: a read-only grid of text cells with one fixed header row (row 0), shown as the
// view's column headers. Rows are counted with the header row, as every reader expects.
#include "commands/GridSource.h"

#include <QStringList>
#include <QTableView>
#include <functional>
#include <memory>
#include <vector>

namespace cw {

class GridModel;

class ShoppingGrid : public QTableView, public GridSource {
    Q_OBJECT
public:
    explicit ShoppingGrid(QWidget* parent = nullptr);
    ~ShoppingGrid() override;

    // GridSource
    int rowCount() const override;
    QString cellText(int row, int col) const override;
    QString totalCaption() const override;

    void setCols(int cols);
    // "ID |< Isle |<Item  |..." : header captions and alignments ("<" left, ">" right).
    void setFormatString(const QString& format);
    // Column widths as fractions of the grid's width; 0 hides a column.
    void setColWidthFractions(const std::vector<double>& fractions);
    void setRows(int rows); // cuts (or pads) to this many rows, header included
    void addRow(const QStringList& cells);
    void reserveRows(int rows); // room for a refill of this many rows, header included
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

protected:
    // A cell whose text is cut shows its whole text as a tooltip.
    bool viewportEvent(QEvent* event) override;

private:
    void checkCell(int row, int col) const;
    std::unique_ptr<GridModel> m_model;
    std::function<QString()> m_total;
};

} // namespace cw
