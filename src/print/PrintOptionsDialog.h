#pragma once
// The print options dialog: lines per page and the printer font size, kept in the settings;
// OK lets the user pick a printer and prints the shopping list in the layout of that size.
#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace cw {

class Context;
class ShoppingListModel;

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    PrintOptionsDialog(Context& ctx, const ShoppingListModel& list, QWidget* parent = nullptr);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    int chosenSize() const;
    // OK: stores both settings, chooses the printer, prints and closes.
    void printList();
    bool pageLengthAccepted();
    bool saveAndPrint();

    Context& m_ctx;
    const ShoppingListModel& m_list;
    bool m_busy = false;
    QLineEdit* m_lines = nullptr;
    QRadioButton* m_sizes[3] = {};
};

} // namespace cw
