#include "widgets/EntryField.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace cw {

void EntryField::keyPressEvent(QKeyEvent* event) {
    int code = -1;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        code = 13;
    else if (!event->text().isEmpty())
        code = event->text().at(0).unicode();
    if (code >= 0 && keyPressed) {
        keyPressed(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (focusLost) focusLost(event->reason());
}

} // namespace cw
