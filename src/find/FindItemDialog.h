#pragma once
// Find Item: a field to type in and the items whose descriptions hold what was typed, found
// again with every key. Enter or a double click puts the chosen item on the shopping list;
// Show in Main Window (Alt+S or Ctrl+Enter) closes the window and chooses the item's category
// and the item in the main window; Escape closes the window. Open, it finds again whenever it
// becomes active, so what it shows follows the changes made in the main window.
#include "core/Context.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace cw {

class FoundItemsModel;

class FindItemDialog : public QDialog {
    Q_OBJECT
public:
    FindItemDialog(Context& ctx, QWidget* parent);

    QLineEdit* field() const { return m_field; }
    FoundItemsModel& model() const { return *m_model; }

signals:
    void putOnListRequested(qint32 itemId);
    void showRequested(qint32 categoryId, qint32 itemId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void search();
    void findAgain();
    void showCount();
    void putChosenOnList();
    void showChosen();
    int chosenRow() const;
    void chooseRow(int row);

    Context& m_ctx;
    FoundItemsModel* m_model;
    QLineEdit* m_field;
    QTableView* m_view;
    QLabel* m_count;
    QPushButton* m_put;
    QPushButton* m_show;
};

} // namespace cw
