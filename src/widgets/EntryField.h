#pragma once
// A text field whose Enter moves the focus on, as Tab does, instead of going to the window's
// default button, and that tells when it has lost the focus and why.
#include <QLineEdit>

namespace cw {

class EntryField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    // After the field has let the focus go.
    void focusLeft(Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace cw
