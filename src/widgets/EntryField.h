#pragma once
// A text field of the item editor that hands its typed characters and its loss of focus to
// the window's entry rules. The rules see a key after the field's owner may have swallowed it,
// and a loss of focus after the field itself has let the focus go.
#include <QLineEdit>
#include <functional>

namespace cw {

class EntryField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Receives the character code of a typed key (13 for Enter); setting it to 0 swallows the key.
    std::function<void(int& keyAscii)> keyPressed;
    // Runs after the field has lost the focus, with the reason it went.
    std::function<void(Qt::FocusReason reason)> focusLost;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace cw
