#pragma once
// The main window: the three panels (categories, available items, shopping list with the
// quantity keypad), the menu bar, the item editor it opens, and the window's load, resize and
// unload steps. The panels never reach each other: the window connects their signals to its
// procedures.
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;

namespace cw {

class AvailableItemsPanel;
class CategoryPanel;
class Context;
class ShoppingListPanel;
class frmItem;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs its load step.
    explicit frmMain(Context& ctx);
    ~frmMain() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                        void (frmMain::*handler)(), const QKeySequence& shortcut = {});

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void mnuExit_Click();
    void mnuRefreshCL_Click();
    void mnuPrintCurrentShopList_Click();
    void mnuExport_Click();
    void mnuHelpMe_Click();
    void mnuAbout_Click();
    void mnuImportData_Click();
    void mnuDeleteAllData_Click();
    void mnuTechSupport_Click();

    // What the panels ask for.
    void lstCat_Click(qint32 catId);
    void lstAvailable_Click(qint32 itemId);
    void CreateNewItem();
    void EditSelectedItem();
    void refreshShoppingList();

    // The item editor: loaded on first use for the chosen category and the given item (0 for
    // a new one), closed when another category is chosen.
    frmItem* itemEditor() const;
    void openItemEditor(qint32 itemId);
    void closeItemEditor();

    Context& m_ctx;
    CategoryPanel* m_categories;
    AvailableItemsPanel* m_available;
    ShoppingListPanel* m_shopping;
    QPointer<frmItem> m_item;
    // True while the item editor is loaded: from its load step until its unload step.
    bool blnItemFormLoaded = false;
    bool m_unloaded = false;
};

} // namespace cw
