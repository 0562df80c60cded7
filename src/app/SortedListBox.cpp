#include "SortedListBox.h"

#include "store/Failure.h"

namespace cw {

namespace {
constexpr int kDataRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;
} // namespace

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!m_settingFromCode) emit indexClicked();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit entryDoubleClicked(); });
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
    auto* entry = new QListWidgetItem(text);
    entry->setData(kDataRole, itemData);
    entry->setData(kKeyRole, key);
    const QSignalBlocker block(this);
    insertItem(lo, entry);
    m_newIndex = lo;
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
