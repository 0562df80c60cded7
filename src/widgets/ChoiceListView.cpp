#include "widgets/ChoiceListView.h"

#include <QMouseEvent>

namespace cw {

ChoiceListView::ChoiceListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit entryDoubleClicked(index.row()); });
}

void ChoiceListView::setModel(QAbstractItemModel* model) {
    QListView::setModel(model);
    // The model's own changes choose nothing: the list is left without a choice.
    connect(model, &QAbstractItemModel::modelReset, this, &ChoiceListView::forgetChoice);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ChoiceListView::forgetChoice);
}

void ChoiceListView::forgetChoice() {
    selectionModel()->clear();
}

int ChoiceListView::chosenRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ChoiceListView::choose(int row) {
    const QModelIndex index = model()->index(row, 0);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    } else {
        forgetChoice();
    }
    emit chosen(chosenRow());
}

void ChoiceListView::mark(int row) {
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) return forgetChoice();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

// The keyboard moves the choice at once.
void ChoiceListView::keyPressEvent(QKeyEvent* event) {
    const int before = chosenRow();
    QListView::keyPressEvent(event);
    const int after = chosenRow();
    if (after >= 0 && after != before) emit chosen(after);
}

void ChoiceListView::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    m_pressOnEntry = m_pressed && indexAt(event->position().toPoint()).isValid();
    QListView::mousePressEvent(event);
}

// A click is a press and a release on the list; the entry under the release (after a drag, the
// one the selection followed) is the one chosen.
void ChoiceListView::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = m_pressed && m_pressOnEntry;
    m_pressed = false;
    QListView::mouseReleaseEvent(event);
    if (clicked && chosenRow() >= 0) emit chosen(chosenRow());
}

// The second press of a double click is no new click: the first one has chosen the entry.
void ChoiceListView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressed = false;
    m_pressOnEntry = false;
    QListView::mouseDoubleClickEvent(event);
}

// One entry is always chosen by a click: Ctrl+click does not leave the list without a choice,
// and a click beside the entries changes nothing.
QItemSelectionModel::SelectionFlags
ChoiceListView::selectionCommand(const QModelIndex& index, const QEvent* /*event*/) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

} // namespace cw
