#pragma once
// A plain label that reacts to a click: pressing and releasing the left mouse button over it.
#include <QLabel>

namespace cw {

class TopicLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace cw
