#include "platform/QtPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace cw {
namespace {

// A box that comes up while the program shows the wait cursor (a failure reported in the
// middle of long work) shows the ordinary arrow: it waits for the user.
class ArrowWhileShown {
public:
    ArrowWhileShown() : m_busy(QGuiApplication::overrideCursor() != nullptr) {
        if (m_busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileShown() {
        if (m_busy) QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileShown(const ArrowWhileShown&) = delete;
    ArrowWhileShown& operator=(const ArrowWhileShown&) = delete;

private:
    bool m_busy;
};

} // namespace

MsgAnswer QtPrompts::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& caption) {
    const ArrowWhileShown arrow;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

QString QtPrompts::input(const QString& prompt, const QString& caption,
                         const QString& defaultText) {
    const ArrowWhileShown arrow;
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    // A long prompt wraps instead of stretching the box across the screen.
    dialog.setMinimumWidth(360);
    for (auto* label : dialog.findChildren<QLabel*>())
        label->setWordWrap(true);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace cw
