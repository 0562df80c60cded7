#pragma once
// Where the program's windows stand, how big they are, and the face they are drawn in. The
// layouts were drawn in twips for a small system font and windows of one fixed size.
#include <QFont>
#include <QSize>
#include <functional>

class QWidget;

namespace cw {

// The small sans-serif face at about 8 points that the layouts were drawn for; Liberation
// Sans has the narrow metrics they need, any sans-serif face stands in where it is missing.
QFont uiFont();
void useUiFont(QWidget* window);

// Moves the window so that a window of this outer size (frame included) stands in the middle
// of its screen; the differences are halved with the remainder dropped.
void centreOnScreen(QWidget* window, QSize outer);

// Keeps the window above all others without moving or resizing it.
void keepOnTop(QWidget* window);

// What a window that holds one size does when its size or state changes: nothing while the window
// is minimized, a maximized window goes back to the normal state, then the size is set. With
// `outer` the size counts the frame the window manager draws; otherwise it is the client area.
void holdSize(QWidget* window, QSize size, bool outer);

// Runs `onResize` whenever the window's size or state may have changed, or the window
// manager has told its frame: when the window is shown, moved, resized, activated or changes
// state.
// Calls made while it runs are ignored, so the handler's own changes do not recurse.
void callOnResize(QWidget* window, std::function<void()> onResize);

} // namespace cw
