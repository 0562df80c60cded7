#include "widgets/EntryField.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace cw {

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // the key goes no further
        focusNextChild();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft(event->reason());
}

} // namespace cw
