#pragma once
// The quantity buttons beside the shopping list: "1" to "9", and "?" to ask for any quantity.
// A press tells the caption of the button pressed.
#include <QObject>

class QWidget;

namespace cw {

class QuantityKeypad : public QObject {
    Q_OBJECT
public:
    // The buttons stand in `frame` (the shopping list's frame), each at its place.
    explicit QuantityKeypad(QWidget* frame);

signals:
    void quantityChosen(const QString& caption);
};

} // namespace cw
