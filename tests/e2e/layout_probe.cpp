// Prints where the main window's named controls stand, so that the end-to-end driver can
// click them with the real mouse: "name x y width height" per control, relative to the
// window's client area, and "name.row y height" for the first row of each list and the grid.
// Run it on the display and fonts of the program under test; it keeps nothing.
#include "TestContext.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QListView>
#include <QStringListModel>
#include <QTableView>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    cw::test::TestContext t; // settings in memory and a data folder of its own
    cw::MainWindow window(t.ctx);
    window.show();
    QApplication::processEvents();
    QStringListModel probe({QStringLiteral("Probe")});
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(&window)) continue;
        const QByteArray name = w->objectName().toLatin1();
        const QPoint at = w->mapTo(&window, QPoint(0, 0));
        std::printf("%s %d %d %d %d\n", name.constData(), at.x(), at.y(), w->width(), w->height());
        if (auto* grid = qobject_cast<QTableView*>(w)) {
            std::printf("%s.row %d %d\n", name.constData(),
                        grid->viewport()->mapTo(&window, QPoint()).y(),
                        grid->verticalHeader()->defaultSectionSize());
        } else if (auto* list = qobject_cast<QListView*>(w)) {
            list->setModel(&probe);
            const QRect row = list->visualRect(probe.index(0));
            const int top = list->viewport()->mapTo(&window, row.topLeft()).y();
            std::printf("%s.row %d %d\n", name.constData(), top, row.height());
        }
    }
}
