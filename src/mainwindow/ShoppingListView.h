#pragma once
// The grid of the shopping list: a read-only table of the list's rows, a row chosen by a
// click (or by moving to it with the keyboard), the ID column hidden, each column as wide as
// its share of the whole grid.
#include <QTableView>
#include <vector>

namespace cw {

class ShoppingListView : public QTableView {
    Q_OBJECT
public:
    explicit ShoppingListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The current row (the one last clicked), -1 for none.
    int currentRow() const;
    void makeCurrent(int row);

signals:
    void rowClicked(int row);
    void rowDoubleClicked(int row);

protected:
    // A cell whose text is cut shows its whole text as a tooltip.
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void sizeColumns();
    bool m_settingCurrent = false;
};

} // namespace cw
