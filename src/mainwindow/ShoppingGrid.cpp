#include "mainwindow/ShoppingGrid.h"

#include "core/Failure.h"

#include <QAbstractTableModel>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <QVarLengthArray>

#include <QHeaderView>
#include <algorithm>
#include <cmath>

namespace cw {

// One row's cells kept in one text, each cell ending where `m_ends` says: a refill of many rows
// makes and frees one text a row, not one a cell.
class GridRow {
public:
    GridRow() = default;
    explicit GridRow(const QStringList& cells) {
        qsizetype length = 0;
        for (const QString& c : cells)
            length += c.size();
        m_text.reserve(length);
        for (const QString& c : cells)
            append(c);
    }
    int size() const { return static_cast<int>(m_ends.size()); }
    QString cell(int c) const {
        if (c < 0 || c >= size()) return {};
        const qsizetype begin = c == 0 ? 0 : m_ends[c - 1];
        return m_text.mid(begin, m_ends[c] - begin);
    }
    void pad(int cols) {
        while (size() < cols)
            append(QString());
    }
    void setCell(int c, const QString& value) {
        pad(c + 1);
        QStringList cells;
        for (int i = 0; i < size(); ++i)
            cells << (i == c ? value : cell(i));
        *this = GridRow(cells);
    }

private:
    void append(const QString& c) {
        m_text += c;
        m_ends.append(m_text.size());
    }
    QString m_text;
    QVarLengthArray<qsizetype, 8> m_ends;
};

// The grid's cells; rows[0] is the header row, shown as the view's column headers. While
// `batching`, the view sees no rows, so a refill is drawn once.
class GridModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::vector<GridRow> rows{GridRow()};
    std::vector<Qt::Alignment> alignments;
    int cols = 0;
    bool batching = false;
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void appendRow(const QStringList& cells);
    void changed(int row, int col);
};

int GridModel::rowCount(const QModelIndex& parent) const {
    return (parent.isValid() || batching) ? 0 : static_cast<int>(rows.size()) - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row() + 1);
    if (row >= rows.size()) return {};
    if (role == Qt::DisplayRole) return rows[row].cell(index.column());
    if (role == Qt::TextAlignmentRole && index.column() < static_cast<int>(alignments.size()))
        return QVariant::fromValue(alignments[static_cast<std::size_t>(index.column())] |
                                   Qt::AlignVCenter);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return rows[0].cell(section);
    if (role == Qt::TextAlignmentRole && section < static_cast<int>(alignments.size()))
        return QVariant::fromValue(alignments[static_cast<std::size_t>(section)] |
                                   Qt::AlignVCenter);
    return {};
}

void GridModel::appendRow(const QStringList& cells) {
    if (batching) {
        rows.emplace_back(cells);
        return;
    }
    const int r = static_cast<int>(rows.size()) - 1;
    beginInsertRows({}, r, r);
    rows.emplace_back(cells);
    endInsertRows();
}

void GridModel::changed(int row, int col) {
    if (batching) return;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex i = index(row - 1, col);
        emit dataChanged(i, i);
    }
}

ShoppingGrid::ShoppingGrid(QWidget* parent)
    : QTableView(parent), m_model(std::make_unique<GridModel>()) {
    setModel(m_model.get());
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
    connect(this, &QTableView::clicked, this, [this] { emit gridClicked(); });
    connect(this, &QTableView::doubleClicked, this, [this] { emit gridDoubleClicked(); });
    // Moving the current row with the keyboard selects like a click does.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid() && !m_model->batching && hasFocus()) emit gridClicked();
            });
}

ShoppingGrid::~ShoppingGrid() = default;

bool ShoppingGrid::viewportEvent(QEvent* event) {
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

int ShoppingGrid::rowCount() const {
    return static_cast<int>(m_model->rows.size());
}

void ShoppingGrid::checkCell(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= m_model->cols)
        throw Failure("Subscript out of range");
}

QString ShoppingGrid::cellText(int row, int col) const {
    checkCell(row, col);
    return m_model->rows[static_cast<std::size_t>(row)].cell(col);
}

QString ShoppingGrid::totalCaption() const {
    return m_total ? m_total() : QString();
}

void ShoppingGrid::setCols(int cols) {
    m_model->beginReset();
    m_model->cols = cols;
    for (GridRow& r : m_model->rows)
        r.pad(cols);
    m_model->alignments.resize(static_cast<std::size_t>(cols), Qt::AlignLeft);
    m_model->endReset();
}

void ShoppingGrid::setFormatString(const QString& format) {
    const QStringList pieces = format.split('|');
    if (pieces.size() > m_model->cols) setCols(static_cast<int>(pieces.size()));
    for (int c = 0; c < pieces.size(); ++c) {
        QString caption = pieces[c];
        Qt::Alignment align = Qt::AlignLeft;
        if (caption.startsWith('<'))
            caption.remove(0, 1);
        else if (caption.startsWith('>')) {
            caption.remove(0, 1);
            align = Qt::AlignRight;
        }
        m_model->rows[0].setCell(static_cast<int>(c), caption);
        m_model->alignments[static_cast<std::size_t>(c)] = align;
    }
    if (!m_model->batching) emit m_model->headerDataChanged(Qt::Horizontal, 0, m_model->cols - 1);
}

void ShoppingGrid::setColWidthFractions(const std::vector<double>& fractions) {
    // Shares of the whole control, so the columns keep their widths whether or not the
    // vertical scrollbar shows; the shares leave room for it.
    const int width = this->width();
    for (std::size_t c = 0; c < fractions.size() && static_cast<int>(c) < m_model->cols; ++c) {
        const int w = static_cast<int>(std::lround(width * fractions[c]));
        setColumnHidden(static_cast<int>(c), w == 0);
        if (w > 0) setColumnWidth(static_cast<int>(c), w);
    }
}

void ShoppingGrid::setRows(int rows) {
    if (rows < 1) throw Failure("Invalid property value");
    m_model->beginReset();
    m_model->rows.resize(static_cast<std::size_t>(rows));
    for (GridRow& r : m_model->rows)
        r.pad(m_model->cols);
    m_model->endReset();
}

void ShoppingGrid::reserveRows(int rows) {
    m_model->rows.reserve(static_cast<std::size_t>(std::max(rows, 1)));
}

void ShoppingGrid::addRow(const QStringList& cells) {
    if (cells.size() >= m_model->cols) return m_model->appendRow(cells);
    QStringList row = cells;
    while (row.size() < m_model->cols)
        row.append(QString());
    m_model->appendRow(row);
}

void ShoppingGrid::setCellText(int row, int col, const QString& text) {
    checkCell(row, col);
    m_model->rows[static_cast<std::size_t>(row)].setCell(col, text);
    m_model->changed(row, col);
}

int ShoppingGrid::currentGridRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void ShoppingGrid::setCurrentGridRow(int row) {
    if (row <= 0 || row >= rowCount()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex i = m_model->index(row - 1, 1);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                             QItemSelectionModel::Rows);
}

void ShoppingGrid::setRedraw(bool on) {
    if (on == !m_model->batching) return;
    if (!on) {
        m_model->beginReset();
        m_model->batching = true;
        m_model->endReset();
        setUpdatesEnabled(false);
    } else {
        m_model->beginReset();
        m_model->batching = false;
        m_model->endReset();
        setUpdatesEnabled(true);
    }
}

} // namespace cw
