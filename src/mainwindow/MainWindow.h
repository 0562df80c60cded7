#pragma once
// The main window: the categories, the chosen category's items and the shopping list with its
// keypad, each a view of the catalogue or the shopping list; the menu bar; and the item editor
// it opens. The panels never reach each other: the window connects what they tell.
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;

namespace cw {

class AvailableItemsPanel;
class Catalogue;
class CategoryPanel;
class Context;
class FindItemDialog;
class ItemEditor;
class ShoppingList;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and fills it from the files: the categories, the first one's items and
    // the shopping list, in the sort order last used.
    explicit MainWindow(Context& ctx);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        void (MainWindow::*command)(), const QKeySequence& shortcut = {});
    void holdSize();

    // What the panels tell.
    void categoryChosen(int row);
    void itemChosen(int row);
    void createItem();
    void editItem();

    // The menus' commands.
    void quit();
    void refreshList();
    void printList();
    void exportList();
    void showOnPhone();
    void saveChecklist();
    void showHelp();
    void showAbout();
    void importData();
    void deleteAllData();
    void showTechnicalSupport();
    void undo();
    void redo();
    // Undoes the last change, or does the last undone one again; a record that another program
    // changed since stops it, with a message, and the history is forgotten.
    void stepHistory(bool again);
    void findItems();

    // The Edit menu's entries follow the change history.
    void showHistory();
    // After a change was undone or done again: every list and the editor read afresh.
    void showRestoredFiles();

    // The item editor: made on first use, closed when another category is chosen.
    ItemEditor& openEditor();
    void closeEditor();

    Context& m_ctx;
    Catalogue* m_catalogue;
    ShoppingList* m_shoppingList;
    CategoryPanel* m_categories;
    AvailableItemsPanel* m_items;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QPointer<FindItemDialog> m_find;
    QPointer<ItemEditor> m_editor;
    bool m_editorOpen = false; // from the editor's making until it closes
    bool m_closed = false;
};

} // namespace cw
