#include "platform/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
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

QString QtPrompts::saveFile(const QString& caption, const QString& suggested,
                            const QStringList& types, QString& chosen) {
    const ArrowWhileShown arrow;
    QFileDialog dialog(QApplication::activeWindow(), caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(types);
    dialog.selectNameFilter(chosen);
    dialog.selectFile(suggested);
    // A name typed without an extension takes that of the file type shown.
    auto suffixOf = [](const QString& type) {
        const qsizetype star = type.indexOf(QLatin1String("*."));
        return star < 0 ? QString() : type.mid(star + 2).section(u')', 0, 0);
    };
    dialog.setDefaultSuffix(suffixOf(chosen));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& type) { dialog.setDefaultSuffix(suffixOf(type)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    chosen = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}

} // namespace cw
