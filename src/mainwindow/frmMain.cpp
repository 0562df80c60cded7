#include "mainwindow/frmMain.h"

#include "commands/DataCommands.h"
#include "commands/EndProgram.h"
#include "commands/ExportCommand.h"
#include "commands/ImportCommand.h"
#include "core/Prompts.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "editor/frmItem.h"
#include "info/AboutBox.h"
#include "info/HelpWindow.h"
#include "mainwindow/AvailableItemsPanel.h"
#include "mainwindow/CategoryPanel.h"
#include "mainwindow/ShoppingListPanel.h"
#include "platform/Settings.h"
#include "print/frmPrint.h"
#include "widgets/Guard.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

namespace cw {

namespace {
// Outer size of the window, frame and menu bar included.
const QSize kOuterSize(twips(9600), twips(6600));
} // namespace

frmMain::frmMain(Context& ctx) : m_ctx(ctx) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Cartwise "));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    useUiFont(this);
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    setCentralWidget(area);
    m_categories = new CategoryPanel(ctx, area);
    m_categories->setGeometry(twipsRect(180, 240, 3855, 1935));
    m_available = new AvailableItemsPanel(ctx, area);
    m_available->setGeometry(twipsRect(4320, 240, 4935, 1935));
    m_shopping = new ShoppingListPanel(ctx, area);
    m_shopping->setGeometry(twipsRect(180, 2400, 9075, 2895));
    buildMenus();

    auto on = [this](auto* panel, auto signal, auto handler) {
        connect(panel, signal, this, [this, handler](auto... args) {
            guarded(m_ctx, [&] { (this->*handler)(args...); });
        });
    };
    on(m_categories, &CategoryPanel::categoryChosen, &frmMain::lstCat_Click);
    connect(m_categories, &CategoryPanel::categoryDeleted, this,
            [this] { guarded(m_ctx, [this] { m_available->showCategory(0); }); });
    on(m_categories, &CategoryPanel::listChanged, &frmMain::refreshShoppingList);
    on(m_available, &AvailableItemsPanel::itemChosen, &frmMain::lstAvailable_Click);
    on(m_available, &AvailableItemsPanel::newItemRequested, &frmMain::CreateNewItem);
    on(m_available, &AvailableItemsPanel::editItemRequested, &frmMain::EditSelectedItem);
    on(m_available, &AvailableItemsPanel::listChanged, &frmMain::refreshShoppingList);
    on(new QShortcut(QKeySequence::New, this), &QShortcut::activated, &frmMain::CreateNewItem);

    Form_Resize();
    callOnResize(this, [this] { guarded(m_ctx, [this] { Form_Resize(); }); });
    Form_Load();
}

frmMain::~frmMain() {
    if (m_item) delete m_item.data();
}

QAction* frmMain::addCommand(QMenu* menu, const char* name, const char* caption,
                             void (frmMain::*handler)(), const QKeySequence& shortcut) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut); // shown beside the entry
    connect(a, &QAction::triggered, this,
            [this, handler] { guarded(m_ctx, [&] { (this->*handler)(); }); });
    return a;
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(file, "mnuPrintCurrentShopList", "Print Current Shopping List",
               &frmMain::mnuPrintCurrentShopList_Click, QKeySequence::Print);
    addCommand(file, "mnuExport", "Export Current List to Text File", &frmMain::mnuExport_Click,
               QKeySequence(Qt::CTRL | Qt::Key_E));
    addCommand(file, "mnuRefreshCL", "Refresh Current Shopping List", &frmMain::mnuRefreshCL_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuBar2"));
    // The File menu's Exit ends the program exactly as the bar's Exit does.
    addCommand(file, "mnuFileExit", "Exit", &frmMain::mnuExit_Click, QKeySequence::Quit);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(help, "mnuHelpMe", "Help Topics for Cartwise", &frmMain::mnuHelpMe_Click,
               QKeySequence::HelpContents);
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

// ---- Life cycle

void frmMain::Form_Load() {
    centreOnScreen(this, kOuterSize);
    m_shopping->setSortCaption(
        m_ctx.settings->get(QStringLiteral("sort"), QStringLiteral("Sorted by Item")));
    m_categories->RefreshCategoryList();
    m_shopping->RefreshSortList();
    m_shopping->RefreshMainList();
}

// The outer size is fixed; the window can be minimized but not maximized.
void frmMain::Form_Resize() {
    holdSize(this, kOuterSize, true);
}

void frmMain::Form_Unload() {
    m_ctx.settings->save(QStringLiteral("sort"), m_shopping->sortCaption());
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

// ---- The panels' requests

void frmMain::lstCat_Click(qint32 catId) {
    trap(m_ctx, QStringLiteral("lstCat.Click_Error: "), [&] {
        if (blnItemFormLoaded) closeItemEditor();
        m_available->showCategory(catId);
    });
}

void frmMain::lstAvailable_Click(qint32 itemId) {
    trap(m_ctx, QStringLiteral("lstAvailable_Click_Error: "), [&] {
        const qint32 catId = m_categories->chosenId();
        frmItem* editor = itemEditor();
        if (itemId == 0 || catId == 0 || !editor) return;
        editor->lblCatID->setCaption(QString::number(catId));
        editor->lblID->setCaption(QString::number(itemId));
    });
}

void frmMain::CreateNewItem() {
    trap(m_ctx, QStringLiteral("frmMain.CreateNewItem_Error: "), [&] {
        if (m_categories->chosenId() == 0)
            return MsgBox(m_ctx, QStringLiteral("Must select category first"));
        openItemEditor(0);
    });
}

void frmMain::EditSelectedItem() {
    trap(m_ctx, QStringLiteral("frmMain.EditSelectedItem_Error: "), [&] {
        const qint32 id = m_available->chosenId();
        if (id == 0) return MsgBox(m_ctx, QStringLiteral("Must select item first"));
        openItemEditor(id);
    });
}

void frmMain::refreshShoppingList() {
    m_shopping->RefreshSortList();
    m_shopping->RefreshMainList();
}

// ---- The item editor

// A closed editor is deleted later by Qt; until then it no longer counts as loaded.
frmItem* frmMain::itemEditor() const {
    return blnItemFormLoaded ? m_item.data() : nullptr;
}

void frmMain::openItemEditor(qint32 itemId) {
    if (!itemEditor()) {
        m_item = new frmItem(m_ctx, this);
        blnItemFormLoaded = true;
        connect(m_item, &frmItem::itemAdded, m_available, &AvailableItemsPanel::addAndChoose);
        connect(m_item, &frmItem::itemRenamed, m_available, &AvailableItemsPanel::renameChosen);
        connect(m_item, &frmItem::saved, m_shopping, &ShoppingListPanel::RefreshMainList);
        connect(m_item, &frmItem::unloaded, this, [this] { blnItemFormLoaded = false; });
    }
    frmItem& editor = *m_item;
    editor.show();
    editor.raise();
    editor.activateWindow();
    editor.lblCatID->setCaption(QString::number(m_categories->chosenId()));
    editor.lblCategoryDesc->setCaption(QStringLiteral("Category: ") +
                                       trimSpaces(m_categories->chosenName()));
    // Through the empty text, so that the item shown is loaded afresh.
    editor.lblID->setCaption(QString());
    editor.lblID->setCaption(QString::number(itemId));
    editor.txtGen(0)->setFocus();
}

void frmMain::closeItemEditor() {
    if (frmItem* editor = itemEditor()) editor->close();
}

// ---- Menu commands

void frmMain::mnuRefreshCL_Click() {
    refreshShoppingList();
}

void frmMain::mnuPrintCurrentShopList_Click() {
    frmPrint dialog(m_ctx, m_shopping->grid(), this);
    dialog.exec();
}

void frmMain::mnuExport_Click() {
    cw::mnuExport_Click(m_ctx, m_shopping->grid());
}

void frmMain::mnuHelpMe_Click() {
    trap(m_ctx, QStringLiteral("mnuHelpMe_Click_Error: "), [&] {
        HelpWindow help(m_ctx, this);
        help.exec();
    });
}

void frmMain::mnuAbout_Click() {
    AboutBox about(m_ctx, this);
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
