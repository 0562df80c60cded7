#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace cw {

namespace {

class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QWidget* window, std::function<void()> onResize)
        : QObject(window), m_onResize(std::move(onResize)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
        case QEvent::WindowActivate: // by then the window manager has framed the window
            if (!m_running) {
                m_running = true;
                m_onResize();
                m_running = false;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onResize;
    bool m_running = false;
};

} // namespace

QFont uiFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

void useUiFont(QWidget* window) {
    window->setFont(uiFont());
}

void centreOnScreen(QWidget* window, QSize outer) {
    const QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

void keepOnTop(QWidget* window) {
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setGeometry(geometry); // changing a window flag must not move the window
    if (visible) window->show();
}

void holdSize(QWidget* window, QSize size, bool outer) {
    const Qt::WindowStates state = window->windowState();
    if (state & Qt::WindowMinimized) return;
    const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (state & large) window->setWindowState(state & ~large);
    // The frame is known once the window manager has framed the window; until then it is 0.
    const QSize frame = outer && window->isVisible()
                            ? window->frameGeometry().size() - window->geometry().size()
                            : QSize(0, 0);
    const QSize client = size - frame;
    if (window->minimumSize() != client || window->maximumSize() != client)
        window->setFixedSize(client);
}

void callOnResize(QWidget* window, std::function<void()> onResize) {
    new ResizeWatcher(window, std::move(onResize));
}

} // namespace cw
