#include "mainwindow/ShoppingListView.h"

#include "model/ShoppingListModel.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <cmath>

namespace cw {
namespace {

// The columns' shares of the grid's width, the hidden ID first; they leave room for the
// vertical scrollbar, so the columns keep their widths whether or not it shows.
const double kShares[ShoppingListModel::ColumnCount] = {0, 0.08, 0.3, 0.16, 0.2, 0.08, 0.14};

} // namespace

ShoppingListView::ShoppingListView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit rowClicked(index.row()); });
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void ShoppingListView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    // Moving the current row with the keyboard chooses it as a click does.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid() && hasFocus() && !m_settingCurrent) emit rowClicked(now.row());
            });
    // A reset of the model resets the columns too.
    connect(model, &QAbstractItemModel::modelReset, this, &ShoppingListView::sizeColumns);
    sizeColumns();
}

int ShoppingListView::currentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void ShoppingListView::makeCurrent(int row) {
    const QModelIndex i = model()->index(row, ShoppingListModel::Aisle);
    if (!i.isValid()) return setCurrentIndex(QModelIndex());
    m_settingCurrent = true; // no choice of the user's
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                             QItemSelectionModel::Rows);
    m_settingCurrent = false;
}

void ShoppingListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    sizeColumns();
}

void ShoppingListView::sizeColumns() {
    const int width = this->width();
    for (int c = 0; c < ShoppingListModel::ColumnCount; ++c) {
        const int w = static_cast<int>(std::lround(width * kShares[c]));
        setColumnHidden(c, w == 0);
        if (w > 0) setColumnWidth(c, w);
    }
}

bool ShoppingListView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex cell = indexAt(help->pos());
    const QString text = cell.data().toString();
    const int room =
        visualRect(cell).width() - 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 2;
    if (cell.isValid() && fontMetrics().horizontalAdvance(text) > room)
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(cell));
    else
        QToolTip::hideText();
    return true;
}

} // namespace cw
