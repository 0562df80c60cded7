// Cartwise: plans and budgets shopping trips.
#include "core/Context.h"
#include "core/Prompts.h"
#include "mainwindow/CartwiseApplication.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/MainWindow.h"
#include "platform/DataDirectory.h"
#include "platform/LinuxRegistry.h"
#include "platform/QtLauncher.h"
#include "platform/QtLinePrinter.h"
#include "platform/QtProgramEnd.h"
#include "platform/QtPrompts.h"
#include "platform/QtSettings.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "store/ChangeJournal.h"
#include "widgets/AppIcon.h"
#include "widgets/WaitCursor.h"

#include <csignal>

int main(int argc, char** argv) {
    if (const int exitCode = cw::handleCommandLine(argc, argv); exitCode >= 0) return exitCode;
    // A file past the process's size limit makes its write fail (reported, the record cut
    // back) instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    cw::expectDisplay();
    cw::CartwiseApplication app(argc, argv);
    const cw::Translations translations(app); // the user's language, from the locale
    cw::windowsReady();
    cw::QtPrompts prompts;
    cw::QtSettings settings;
    cw::QtProgramEnd programEnd;
    cw::LinuxRegistry registry;
    cw::QtLauncher launcher;
    cw::QtLinePrinter printer;
    cw::WaitCursor waitCursor;
    cw::Context ctx;
    ctx.prompts = &prompts;
    ctx.settings = &settings;
    ctx.programEnd = &programEnd;
    ctx.registry = &registry;
    ctx.launcher = &launcher;
    ctx.printer = &printer;
    ctx.busy = &waitCursor;
    cw::ChangeJournal journal;
    ctx.journal = &journal;
    ctx.dataDir = cw::dataDirectory();
    ctx.documentsDir = cw::documentsDirectory();
    app.setContext(&ctx);
    app.setWindowIcon(QIcon(cw::AppIcon(64)));

    // A second copy on the same data brings the first one's window to the front and ends,
    // having written nothing.
    cw::SingleInstance instance(ctx.dataDir);
    if (!instance.acquire()) {
        if (!instance.activateRunning())
            prompts.message(QCoreApplication::translate("main", "Cartwise is already running."),
                            cw::MsgButtons::Ok, cw::MsgIcon::Information, cw::appTitle());
        return 0;
    }

    cw::MainWindow main(ctx);
    QObject::connect(&instance, &cw::SingleInstance::activationRequested, &main, [&main] {
        main.setWindowState(main.windowState() & ~Qt::WindowMinimized);
        main.show();
        main.raise();
        main.activateWindow();
    });
    main.show();
    return app.exec();
}
