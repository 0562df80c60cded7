// Prints where the main window's named controls stand, so that the end-to-end driver can
// click them with the real mouse: one line "name x y width height" per control, relative to
// the window's client area, plus "name.row y height" for the first row of each list and grid.
// Run it on the same display and fonts as the program under test; it touches no user data.
#include "core/Context.h"
#include "mainwindow/frmMain.h"
#include "platform/ProgramEnd.h"
#include "platform/QtPrompts.h"
#include "platform/Settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Nothing the probe does is kept.
struct NoSettings : cw::Settings {
    QString get(const QString&, const QString& defaultValue) const override { return defaultValue; }
    void save(const QString&, const QString&) override {}
    void flush() override {}
};
struct NoEnd : cw::ProgramEnd {
    void endNow() override {}
};

void print(const char* name, const QRect& r) {
    std::printf("%s %d %d %d %d\n", name, r.x(), r.y(), r.width(), r.height());
}

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    NoSettings settings;
    NoEnd end;
    cw::QtPrompts prompts;
    QTemporaryDir dir;
    cw::Context ctx;
    ctx.prompts = &prompts;
    ctx.settings = &settings;
    ctx.programEnd = &end;
    ctx.dataDir = dir.path();
    cw::frmMain window(ctx);
    window.show();
    QApplication::processEvents();

    QWidget* client = &window;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(&window)) continue;
        const QByteArray name = w->objectName().toLatin1();
        print(name.constData(), QRect(w->mapTo(client, QPoint(0, 0)), w->size()));
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            list->addItem(QStringLiteral("Probe"));
            const QRect row = list->visualItemRect(list->item(0));
            const QPoint top = list->viewport()->mapTo(client, row.topLeft());
            std::printf("%s.row %d %d\n", name.constData(), top.y(), row.height());
        } else if (auto* grid = qobject_cast<QTableView*>(w)) {
            const QPoint top = grid->viewport()->mapTo(client, QPoint(0, 0));
            std::printf("%s.row %d %d\n", name.constData(), top.y(),
                        grid->verticalHeader()->defaultSectionSize());
        }
    }
    return 0;
}
