// Cartwise: plans and budgets shopping trips.
#include "CartwiseApplication.h"
#include "frmMain.h"
#include "platform/DataDirectory.h"
#include "platform/QtProgramEnd.h"
#include "platform/QtPrompts.h"
#include "platform/QtSettings.h"
#include "store/Context.h"

int main(int argc, char** argv) {
    cw::CartwiseApplication app(argc, argv);
    cw::QtPrompts prompts;
    cw::QtSettings settings;
    cw::QtProgramEnd programEnd;
    cw::Context ctx;
    ctx.prompts = &prompts;
    ctx.settings = &settings;
    ctx.programEnd = &programEnd;
    ctx.dataDir = cw::dataDirectory();
    ctx.documentsDir = cw::documentsDirectory();
    app.setContext(&ctx);

    cw::frmMain main(ctx);
    main.show();
    return app.exec();
}
