#include "mainwindow/MainWindow.h"

#include "commands/Checklist.h"
#include "commands/DataCommands.h"
#include "commands/EndProgram.h"
#include "commands/ExportCommand.h"
#include "commands/ImportCommand.h"
#include "core/Busy.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "editor/ItemEditor.h"
#include "find/FindItemDialog.h"
#include "info/AboutBox.h"
#include "info/HelpWindow.h"
#include "mainwindow/AvailableItemsPanel.h"
#include "mainwindow/CategoryPanel.h"
#include "mainwindow/ShoppingListPanel.h"
#include "model/Catalogue.h"
#include "model/ShoppingList.h"
#include "phone/PhoneListDialog.h"
#include "platform/UserSettings.h"
#include "print/PrintOptionsDialog.h"
#include "store/ChangeJournal.h"
#include "widgets/Guard.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

namespace cw {

namespace {
// Outer size of the window, frame and menu bar included.
const QSize kOuterSize(twips(9600), twips(6600));
} // namespace

MainWindow::MainWindow(Context& ctx)
    : m_ctx(ctx), m_catalogue(new Catalogue(ctx, this)),
      m_shoppingList(new ShoppingList(ctx, this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Cartwise "));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    useUiFont(this);
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    setCentralWidget(area);
    m_categories = new CategoryPanel(ctx, *m_catalogue, area);
    m_categories->setGeometry(twipsRect(180, 240, 3855, 1935));
    m_items = new AvailableItemsPanel(ctx, *m_catalogue, area);
    m_items->setGeometry(twipsRect(4320, 240, 4935, 1935));
    auto* shopping = new ShoppingListPanel(ctx, *m_shoppingList, area);
    shopping->setGeometry(twipsRect(180, 2400, 9075, 2895));
    buildMenus();

    auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, [this, handler](auto... args) {
            guarded(m_ctx, [&] { (this->*handler)(args...); });
        });
    };
    on(m_categories, &CategoryPanel::categoryChosen, &MainWindow::categoryChosen);
    on(m_items, &AvailableItemsPanel::itemChosen, &MainWindow::itemChosen);
    on(m_items, &AvailableItemsPanel::newItemRequested, &MainWindow::createItem);
    on(m_items, &AvailableItemsPanel::editItemRequested, &MainWindow::editItem);
    on(new QShortcut(QKeySequence::New, this), &QShortcut::activated, &MainWindow::createItem);
    connect(m_catalogue, &Catalogue::shoppingListChanged, m_shoppingList, &ShoppingList::refresh);

    holdSize();
    callOnResize(this, [this] { guarded(m_ctx, [this] { holdSize(); }); });

    centreOnScreen(this, kOuterSize);
    m_shoppingList->setSortCaption(UserSettings(m_ctx).sortOrder());
    m_catalogue->loadCategories();
    m_shoppingList->refresh();
}

MainWindow::~MainWindow() {
    delete m_editor.data();
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                void (MainWindow::*command)(), const QKeySequence& shortcut) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut); // shown beside the entry
    connect(a, &QAction::triggered, this,
            [this, command] { guarded(m_ctx, [&] { (this->*command)(); }); });
    return a;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(file, "mnuPrintCurrentShopList", tr("Print Current Shopping List"),
               &MainWindow::printList, QKeySequence::Print);
    addCommand(file, "mnuExport", tr("Export Current List to Text File"), &MainWindow::exportList,
               QKeySequence(Qt::CTRL | Qt::Key_E));
    addCommand(file, "mnuRefreshCL", tr("Refresh Current Shopping List"), &MainWindow::refreshList);
    file->addSeparator()->setObjectName(QStringLiteral("mnuBar2"));
    // The File menu's Exit ends the program exactly as the bar's Exit does.
    addCommand(file, "mnuFileExit", tr("Exit"), &MainWindow::quit, QKeySequence::Quit);
    // The list taken along, after the entries the File menu always had.
    file->addSeparator();
    addCommand(file, "phoneAction", tr("Show List on &Phone..."), &MainWindow::showOnPhone,
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addCommand(file, "checklistAction", tr("Save List as &Checklist..."),
               &MainWindow::saveChecklist, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    m_undo = addCommand(edit, "undoAction", QString(), &MainWindow::undo, QKeySequence::Undo);
    m_redo = addCommand(edit, "redoAction", QString(), &MainWindow::redo);
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    addCommand(edit, "findAction", tr("&Find Item..."), &MainWindow::findItems, QKeySequence::Find);
    showHistory();
    if (m_ctx.journal)
        connect(m_ctx.journal, &ChangeJournal::changed, this, &MainWindow::showHistory);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(help, "mnuHelpMe", tr("Help Topics for Cartwise"), &MainWindow::showHelp,
               QKeySequence::HelpContents);
    help->addSeparator()->setObjectName(QStringLiteral("mnuBar4"));
    addCommand(help, "mnuAbout", tr("About Cartwise"), &MainWindow::showAbout);
    addCommand(help, "mnuImportData", tr("Importing Data from Version 5.X"),
               &MainWindow::importData);
    addCommand(help, "mnuDeleteAllData", tr("How to Delete All Data"), &MainWindow::deleteAllData);
    addCommand(help, "mnuTechSupport", tr("Technical Support"), &MainWindow::showTechnicalSupport);

    QAction* exit = menuBar()->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { guarded(m_ctx, [this] { quit(); }); });
}

// ---- Life cycle

// The outer size is fixed; the window can be minimized but not maximized.
void MainWindow::holdSize() {
    cw::holdSize(this, kOuterSize, true);
}

// Closing the window stores the sort order and ends the program at once: other windows (an
// item editor) go without their own closing steps.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_closed) return;
    m_closed = true;
    guarded(m_ctx, [this] {
        UserSettings(m_ctx).setSortOrder(m_shoppingList->sortCaption());
        endProgram(m_ctx);
    });
}

void MainWindow::quit() {
    close();
}

// ---- What the panels tell

void MainWindow::categoryChosen(int row) {
    trap(m_ctx, prefix::kCategoryChosen, [&] {
        closeEditor();
        m_catalogue->showItemsOf(row);
    });
}

void MainWindow::itemChosen(int row) {
    trap(m_ctx, prefix::kItemChosen, [&] {
        const int category = m_categories->chosenRow();
        if (row < 0 || category < 0 || !m_editorOpen) return;
        m_editor->showItem(m_catalogue->categories().idAt(category),
                           m_catalogue->items().idAt(row));
    });
}

void MainWindow::createItem() {
    trap(m_ctx, prefix::kNewItem, [&] {
        const int category = m_categories->chosenRow();
        if (category < 0) return MsgBox(m_ctx, tr("Must select category first"));
        ItemEditor& editor = openEditor();
        editor.create(
            m_catalogue->categories().idAt(category),
            tr("Category: %1").arg(trimSpaces(m_catalogue->categories().textAt(category))));
        editor.field(ItemEditor::Description)->setFocus();
    });
}

void MainWindow::editItem() {
    trap(m_ctx, prefix::kEditItemCommand, [&] {
        const int item = m_items->chosenRow();
        if (item < 0) return MsgBox(m_ctx, tr("Must select item first"));
        const int category = m_categories->chosenRow();
        ItemEditor& editor = openEditor();
        editor.edit(m_catalogue->categories().idAt(category),
                    tr("Category: %1").arg(trimSpaces(m_catalogue->categories().textAt(category))),
                    m_catalogue->items().idAt(item));
        editor.field(ItemEditor::Description)->setFocus();
    });
}

// ---- The item editor

ItemEditor& MainWindow::openEditor() {
    if (!m_editorOpen) {
        m_editor = new ItemEditor(m_ctx, this);
        m_editorOpen = true;
        connect(m_editor, &ItemEditor::itemAdded, m_catalogue, &Catalogue::addItemEntry);
        connect(m_editor, &ItemEditor::itemSaved, this, [this](qint32 id, const QString& text) {
            m_catalogue->renameItemEntry(m_items->chosenRow(), id, text);
        });
        connect(m_editor, &ItemEditor::saved, m_shoppingList,
                qOverload<>(&ShoppingList::refillRows));
        connect(m_editor, &ItemEditor::closed, this, [this] { m_editorOpen = false; });
    }
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
    return *m_editor;
}

void MainWindow::closeEditor() {
    if (m_editorOpen) m_editor->close();
}

// ---- The menus' commands

void MainWindow::refreshList() {
    m_shoppingList->refresh();
}

void MainWindow::printList() {
    PrintOptionsDialog dialog(m_ctx, m_shoppingList->model(), this);
    dialog.exec();
}

void MainWindow::exportList() {
    cw::exportList(m_ctx, m_shoppingList->model());
}

void MainWindow::showHelp() {
    trap(m_ctx, prefix::kHelp, [&] {
        HelpWindow help(m_ctx, this);
        help.exec();
    });
}

void MainWindow::showAbout() {
    AboutBox about(m_ctx, this);
    about.exec();
}

void MainWindow::showOnPhone() {
    PhoneListDialog phone(m_ctx, m_shoppingList->model(), this);
    phone.exec();
}

void MainWindow::saveChecklist() {
    cw::saveChecklist(m_ctx, m_shoppingList->model());
}

void MainWindow::importData() {
    importVersion5Data(m_ctx);
}

void MainWindow::deleteAllData() {
    cw::deleteAllData(m_ctx);
}

void MainWindow::showTechnicalSupport() {
    cw::showTechnicalSupport(m_ctx);
}

// ---- The Edit menu

void MainWindow::findItems() {
    if (!m_find) {
        m_find = new FindItemDialog(m_ctx, this); // kept, with what was typed, once closed
        connect(m_find, &FindItemDialog::putOnListRequested, m_catalogue,
                &Catalogue::putFoundOnList);
        connect(m_find, &FindItemDialog::showRequested, this, [this](qint32 category, qint32 item) {
            guarded(m_ctx, [&] {
                m_catalogue->showItem(category, item);
                activateWindow();
            });
        });
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->field()->setFocus();
    m_find->field()->selectAll(); // what is typed next replaces it
}

void MainWindow::showHistory() {
    const ChangeJournal* journal = m_ctx.journal;
    const bool canUndo = journal && journal->canUndo();
    const bool canRedo = journal && journal->canRedo();
    m_undo->setEnabled(canUndo);
    m_undo->setText(canUndo ? tr("&Undo %1").arg(journal->undoName()) : tr("&Undo"));
    m_redo->setEnabled(canRedo);
    m_redo->setText(canRedo ? tr("&Redo %1").arg(journal->redoName()) : tr("&Redo"));
}

void MainWindow::undo() {
    stepHistory(false);
}
void MainWindow::redo() {
    stepHistory(true);
}

void MainWindow::stepHistory(bool again) {
    trap(m_ctx, again ? prefix::kRedo : prefix::kUndo, [&] {
        ChangeJournal* journal = m_ctx.journal;
        if (!journal || !(again ? journal->canRedo() : journal->canUndo())) return;
        const Busy busy(m_ctx);
        ChangeJournal::Outcome outcome;
        try {
            outcome = again ? journal->redo() : journal->undo();
        } catch (...) {
            skip([&] { showRestoredFiles(); }); // whatever part of it was written
            throw;
        }
        showRestoredFiles();
        if (outcome != ChangeJournal::Outcome::ChangedElsewhere) return;
        MsgBox(m_ctx, again ? tr("This change cannot be done again: the data files were changed "
                                 "outside Cartwise since it was undone. The changes that could "
                                 "be undone have been forgotten.")
                            : tr("This change cannot be undone: the data files were changed "
                                 "outside Cartwise since it was made. The changes that could be "
                                 "undone have been forgotten."));
    });
}

void MainWindow::showRestoredFiles() {
    const int categoryRow = m_categories->chosenRow();
    const int itemRow = m_items->chosenRow();
    const qint32 categoryId = categoryRow >= 0 ? m_catalogue->categories().idAt(categoryRow) : 0;
    const qint32 itemId = itemRow >= 0 ? m_catalogue->items().idAt(itemRow) : 0;
    m_catalogue->reload(categoryId, itemId);
    m_shoppingList->refresh();
    if (!m_editorOpen) return;
    if (m_catalogue->categories().rowOf(m_editor->categoryId()) < 0)
        closeEditor(); // its category is gone
    else
        m_editor->reload();
}

} // namespace cw
