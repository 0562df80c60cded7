#pragma once
// The about box: the product's title, version and description, and a button that starts
// the system information program.
#include <QDialog>

class QLabel;
class QPushButton;

namespace cw {

class Context;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Context& ctx, QWidget* parent = nullptr);

    // "Version " and the three numbers joined by ".".
    static QString VersionLine(int major, int minor, int revision);
    // The fixed client area.
    static QSize clientSize();

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    Context& m_ctx;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

} // namespace cw
