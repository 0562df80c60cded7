#include "widgets/SortedListBox.h"

#include "core/Failure.h"

#include <QMouseEvent>

namespace cw {

namespace {
constexpr int kDataRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;
} // namespace

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, &SortedListBox::selectionMoved);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit entryDoubleClicked(); });
}

// The keyboard moves the selection at once; a mouse press waits for its release.
void SortedListBox::selectionMoved() {
    if (!m_settingFromCode && !m_pressed && selectedIndex() >= 0) emit indexClicked();
}

void SortedListBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    m_pressOnEntry = m_pressed && itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mousePressEvent(event);
}

// A click is a press and a release on the list; the entry under the release (after a drag, the
// one the selection followed) is the one selected.
void SortedListBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = m_pressed && m_pressOnEntry;
    m_pressed = false;
    QListWidget::mouseReleaseEvent(event);
    if (clicked && selectedIndex() >= 0) emit indexClicked();
}

// The second press of a double click is no new click: the first one has chosen the entry.
void SortedListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressed = false;
    m_pressOnEntry = false;
    QListWidget::mouseDoubleClickEvent(event);
}

// One entry is always chosen by a click: Ctrl+click does not leave the list without a
// selection, and a click beside the entries changes nothing.
QItemSelectionModel::SelectionFlags SortedListBox::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* /*event*/) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

void SortedListBox::clear() {
    const QSignalBlocker block(this);
    QListWidget::clear();
    m_newIndex = -1;
}

void SortedListBox::addEntry(const QString& text, qint32 itemData) {
    const QString key = listSortKey(text);
    // Upper bound: after every entry that compares equal.
    int lo = 0, hi = QListWidget::count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (key < item(mid)->data(kKeyRole).toString())
            hi = mid;
        else
            lo = mid + 1;
    }
    insertAt(lo, text, key, itemData);
}

void SortedListBox::addInOrder(const QString& text, qint32 itemData) {
    insertAt(QListWidget::count(), text, listSortKey(text), itemData);
}

void SortedListBox::insertAt(int index, const QString& text, const QString& key, qint32 itemData) {
    auto* entry = new QListWidgetItem(text);
    entry->setData(kDataRole, itemData);
    entry->setData(kKeyRole, key);
    const QSignalBlocker block(this);
    insertItem(index, entry);
    m_newIndex = index;
}

void SortedListBox::checkIndex(int index) const {
    if (index < 0 || index >= QListWidget::count()) throw Failure("Invalid property array index");
}

QString SortedListBox::text(int index) const {
    checkIndex(index);
    return item(index)->text();
}

qint32 SortedListBox::itemData(int index) const {
    checkIndex(index);
    return item(index)->data(kDataRole).toInt();
}

void SortedListBox::removeAt(int index) {
    checkIndex(index);
    const QSignalBlocker block(this);
    delete takeItem(index);
    clearSelection();
    setCurrentRow(-1);
    m_newIndex = -1;
}

void SortedListBox::setText(int index, const QString& text) {
    checkIndex(index);
    item(index)->setText(text);
    item(index)->setData(kKeyRole, listSortKey(text));
}

int SortedListBox::selectedIndex() const {
    const int row = currentRow();
    return (row >= 0 && item(row)->isSelected()) ? row : -1;
}

void SortedListBox::setSelectedIndex(int index) {
    if (index != -1) checkIndex(index);
    m_settingFromCode = true;
    if (index < 0) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(index);
        scrollToItem(item(index));
    }
    m_settingFromCode = false;
    emit indexClicked();
}

} // namespace cw
