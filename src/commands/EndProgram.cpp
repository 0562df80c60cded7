#include "commands/EndProgram.h"

#include "core/Trap.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"

namespace cw {

void endProgram(Context& ctx) {
    ctx.releaseErrorReporter();
    if (ctx.settings) skip([&] { ctx.settings->flush(); });
    ctx.programEnd->endNow();
}

} // namespace cw
