#pragma once
// Help menu commands that work on the program as a whole: deleting all data and the technical
// support notice.
#include "core/Context.h"

namespace cw {

// After two confirmations removes the source item file and the category file and ends the
// program. Failing steps are passed over; the settings are not touched.
void deleteAllData(Context& ctx);

// Tells the user how to reach technical support.
void showTechnicalSupport(Context& ctx);

} // namespace cw
