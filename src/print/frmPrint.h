#pragma once
// The print options dialog: lines per page and printer font size, stored as the settings
// "maxlines" and "fontsize"; OK lets the user pick a printer and prints the shopping list.
#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace cw {

class Context;
class GridSource;

class frmPrint : public QDialog {
    Q_OBJECT
public:
    frmPrint(Context& ctx, const GridSource& grid, QWidget* parent = nullptr);

    // Centres the window and shows the stored settings.
    void Form_Load();
    // Key filter of the text box: Enter (13) is swallowed and moves the focus on like Tab.
    void txtGen_KeyPress(int index, int& keyAscii);
    // Stores both settings, lets the user choose a printer, prints and closes.
    void cmdOK_Click();
    // Closes without storing or printing.
    void cmdCancel_Click();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    qint16 chosenSize() const;
    // Stores, chooses the printer and prints; false when nothing was printed.
    bool pageLengthAccepted();
    bool saveAndPrint();

    Context& m_ctx;
    const GridSource& m_grid;
    bool m_busy = false;

    QLabel* lblGen0 = nullptr;
    QLineEdit* txtGen0 = nullptr;
    QLabel* lblGen1 = nullptr;
    QRadioButton* optFont[3] = {};
    QButtonGroup* m_fontGroup = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace cw
