#pragma once
// A list the user chooses one entry from. A mouse click on an entry, a move with the keyboard
// and a choice made from code each tell of the choice once (chosen), with the entry already
// selected; a change that comes from the list's model (an entry removed, the list filled
// anew) leaves nothing chosen and tells nothing.
#include <QListView>

namespace cw {

class ChoiceListView : public QListView {
    Q_OBJECT
public:
    explicit ChoiceListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The chosen row, -1 when none is.
    int chosenRow() const;
    // Chooses a row (or nothing, with -1), as a click on it does.
    void choose(int row);
    // Selects a row without telling: the choice the list had, shown again after it was filled.
    void mark(int row);

signals:
    void chosen(int row);
    void entryDoubleClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void forgetChoice();
    // A mouse press selects on the press and chooses on the release.
    bool m_pressed = false;
    bool m_pressOnEntry = false;
};

} // namespace cw
