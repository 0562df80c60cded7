#pragma once
// The program's orderly end, called by the main window's unload, by delete all
// data and by the version-5 import.
#include "core/Context.h"

namespace cw {

// Releases the error reporter, makes sure the settings are on disk and ends the program at once: no
// window gets a further event and no unload step runs. Record files are closed by their
// owners as the program unwinds.
void endProgram(Context& ctx);

} // namespace cw
