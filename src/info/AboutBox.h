#pragma once
// The about box: the product's title, version and description, and a button that starts
// the system information program.
#include <QDialog>

class QLabel;
class QPushButton;

namespace cw {

class Context;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(Context& ctx, QWidget* parent = nullptr);

    // "Version " and the three numbers joined by ".".
    static QString versionLine(int major, int minor, int revision);
    // The fixed client area.
    static QSize clientSize();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Context& m_ctx;
    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_description = nullptr;
    QLabel* m_disclaimer = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_systemInfoButton = nullptr;
};

} // namespace cw
