#pragma once
// A list box that keeps its entries in ascending order without regard to case, each entry
// carrying a 32-bit item data. A mouse click on an entry, a move with the keyboard and a
// selection set from code each run the click handler (the indexClicked signal) once, with the
// new entry already selected.
#include "store/ListTarget.h"

#include <QListWidget>

namespace cw {

class SortedListBox : public QListWidget, public ListTarget {
    Q_OBJECT
public:
    explicit SortedListBox(QWidget* parent = nullptr);

    // ListTarget
    void clear() override;
    void addEntry(const QString& text, qint32 itemData) override;
    void addInOrder(const QString& text, qint32 itemData) override;
    using ListTarget::addInOrder; // bytes: decoded at once, the list shows them
    int count() const override { return QListWidget::count(); }
    QString text(int index) const override;
    qint32 itemData(int index) const override;
    // Removes an entry; nothing is selected afterwards and no click handler runs.
    void removeAt(int index) override;

    // Position of the entry added last (-1 when none).
    int newIndex() const { return m_newIndex; }
    // Replaces an entry's text; the entry keeps its place.
    void setText(int index, const QString& text);
    // The selected index, -1 when nothing is selected.
    int selectedIndex() const;
    // Selects an entry (or nothing, with -1) and runs the click handler.
    void setSelectedIndex(int index);

signals:
    void indexClicked(); // a click, or a selection made by code
    void entryDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void checkIndex(int index) const;
    void insertAt(int index, const QString& text, const QString& key, qint32 itemData);
    void selectionMoved();
    int m_newIndex = -1;
    bool m_settingFromCode = false;
    // A mouse press selects on the press and clicks on the release.
    bool m_pressed = false;
    bool m_pressOnEntry = false;
};

} // namespace cw
