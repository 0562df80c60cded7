#include "frmMain.h"

#include "AvailableItemsPanel.h"
#include "CaptionLabel.h"
#include "CategoryPanel.h"
#include "DataCommands.h"
#include "ExportCommand.h"
#include "Guard.h"
#include "ImportCommand.h"
#include "ShoppingGrid.h"
#include "ShoppingListPanel.h"
#include "editor/frmItem.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "modmain.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "print/frmPrint.h"
#include "store/Trap.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace cw {

namespace {
// Outer size of the window, frame and menu bar included.
constexpr int kOuterWidth = 9600, kOuterHeight = 6600;
} // namespace

frmMain::frmMain(Context& ctx) : m_ctx(ctx) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Cartwise "));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    setCentralWidget(area);
    m_categories = new CategoryPanel(ctx, *this, area);
    m_categories->setGeometry(twipsRect(180, 240, 3855, 1935));
    m_available = new AvailableItemsPanel(ctx, *this, area);
    m_available->setGeometry(twipsRect(4320, 240, 4935, 1935));
    m_shopping = new ShoppingListPanel(ctx, area);
    m_shopping->setGeometry(twipsRect(180, 2400, 9075, 2895));
    buildMenus();
    m_ctx.sortCaption = [this] { return m_shopping->lblSort->caption(); };
    Form_Resize();
    Form_Load();
}

frmMain::~frmMain() {
    m_ctx.sortCaption = nullptr;
    if (m_item) delete m_item.data();
}

SortedListBox* frmMain::lstAvailable() const {
    return m_available->lstAvailable;
}

// A closed editor is deleted later by Qt; until then it no longer counts as loaded.
frmItem* frmMain::itemEditor() const {
    return m_ctx.blnItemFormLoaded ? m_item.data() : nullptr;
}

QAction* frmMain::addCommand(QMenu* menu, const char* name, const char* caption,
                             void (frmMain::*handler)()) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this,
            [this, handler] { guarded(m_ctx, [&] { (this->*handler)(); }); });
    return a;
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(file, "mnuPrintCurrentShopList", "Print Current Shopping List",
               &frmMain::mnuPrintCurrentShopList_Click);
    addCommand(file, "mnuExport", "Export Current List to Text File", &frmMain::mnuExport_Click);
    addCommand(file, "mnuRefreshCL", "Refresh Current Shopping List", &frmMain::mnuRefreshCL_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuBar2"));
    // The File menu's Exit ends the program exactly as the bar's Exit does.
    addCommand(file, "mnuFileExit", "Exit", &frmMain::mnuExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(help, "mnuHelpMe", "Help Topics for Cartwise", &frmMain::mnuHelpMe_Click);
    help->addSeparator()->setObjectName(QStringLiteral("mnuBar4"));
    addCommand(help, "mnuAbout", "About Cartwise", &frmMain::mnuAbout_Click);
    addCommand(help, "mnuImportData", "Importing Data from Version 5.X",
               &frmMain::mnuImportData_Click);
    addCommand(help, "mnuDeleteAllData", "How to Delete All Data",
               &frmMain::mnuDeleteAllData_Click);
    addCommand(help, "mnuTechSupport", "Technical Support", &frmMain::mnuTechSupport_Click);

    QAction* exit = menuBar()->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this,
            [this] { guarded(m_ctx, [this] { mnuExit_Click(); }); });
}

void frmMain::Form_Load() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize outer(twips(kOuterWidth), twips(kOuterHeight));
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
    m_shopping->lblSort->setCaption(
        m_ctx.settings->get(QStringLiteral("sort"), QStringLiteral("Sorted by Item")));
    m_categories->RefreshCategoryList();
    m_shopping->RefreshSortList();
    m_shopping->RefreshMainList();
}

void frmMain::Form_Resize() {
    if (windowState() & Qt::WindowMinimized) return;
    if (windowState() & Qt::WindowMaximized) setWindowState(windowState() & ~Qt::WindowMaximized);
    // The outer size is fixed; the frame the window system draws is taken off the client size.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    setFixedSize(twips(kOuterWidth) - frame.width(), twips(kOuterHeight) - frame.height());
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) guarded(m_ctx, [this] { Form_Resize(); });
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame is known only once the window is on the screen.
    QTimer::singleShot(0, this, [this] { guarded(m_ctx, [this] { Form_Resize(); }); });
}

void frmMain::Form_Unload() {
    m_ctx.settings->save(QStringLiteral("sort"), m_shopping->lblSort->caption());
    EndProgram(m_ctx);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_unloaded) return;
    m_unloaded = true;
    guarded(m_ctx, [this] { Form_Unload(); });
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuRefreshCL_Click() {
    m_shopping->RefreshSortList();
    m_shopping->RefreshMainList();
}

void frmMain::RefreshMainList() {
    m_shopping->RefreshMainList();
}

frmItem& frmMain::showItemEditor() {
    if (!itemEditor()) m_item = new frmItem(m_ctx, *this);
    m_item->show();
    m_item->raise();
    m_item->activateWindow();
    return *m_item;
}

void frmMain::closeItemEditor() {
    if (frmItem* editor = itemEditor()) editor->close();
}

// Commands that open other windows or work on the data as a whole.
void frmMain::mnuPrintCurrentShopList_Click() {
    frmPrint dialog(m_ctx, *m_shopping->Grid1, this);
    dialog.exec();
}
void frmMain::mnuExport_Click() {
    cw::mnuExport_Click(m_ctx, *m_shopping->Grid1);
}
void frmMain::mnuHelpMe_Click() {
    trap(m_ctx, QStringLiteral("mnuHelpMe_Click_Error: "), [&] {
        frmHelp help(m_ctx, this);
        help.exec();
    });
}

void frmMain::mnuAbout_Click() {
    frmAbout about(m_ctx, this);
    about.exec();
}
void frmMain::mnuImportData_Click() {
    cw::mnuImportData_Click(m_ctx);
}
void frmMain::mnuDeleteAllData_Click() {
    cw::mnuDeleteAllData_Click(m_ctx);
}
void frmMain::mnuTechSupport_Click() {
    cw::mnuTechSupport_Click(m_ctx);
}

} // namespace cw
