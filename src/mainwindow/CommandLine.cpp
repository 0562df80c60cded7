#include "mainwindow/CommandLine.h"

#include "core/Version.h"
#include "platform/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace cw {

namespace {

void quietUntilFatal(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "cartwise: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "cw::CommandLine",
                     "no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?)")));
    std::_Exit(1);
}

} // namespace

int handleCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv); // no display needed for this part
    const Translations translations(app);
    QCoreApplication::setApplicationName(QStringLiteral("cartwise"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("cw::CommandLine", "Plan and budget shopping trips."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Qt's own options of every graphical program (-platform, -style, ...) are left for Qt.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "display",
                             "geometry", "style", "stylesheet", "session", "widgetcount"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* flag : {"reverse", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(flag));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtFlag);
    }
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "cartwise: %s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("cartwise %s\n", kVersion);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(
            stderr, "cartwise: %s\n\n%s",
            qPrintable(QCoreApplication::translate("cw::CommandLine", "takes no arguments")),
            qPrintable(parser.helpText()));
        return 2;
    }
    return -1;
}

void expectDisplay() {
    qInstallMessageHandler(quietUntilFatal);
}

void windowsReady() {
    qInstallMessageHandler(nullptr);
}

} // namespace cw
