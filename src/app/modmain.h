#pragma once
// Program-wide routines: ending the program and keeping a window on top.
#include "store/Context.h"

class QWidget;

namespace cw {

// Releases objError, closes every open file, makes sure the settings are on disk and ends the
// program at once.
void EndProgram(Context& ctx);

// Keeps the window above all others without moving or resizing it.
void KeepOnTop(QWidget* window);

} // namespace cw
