#pragma once
// The main window: the three panels (categories, available items, shopping list with the
// quantity keypad), the menu bar, and the window's load, resize and unload steps.
#include "editor/ItemEditorHost.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;

namespace cw {

class AvailableItemsPanel;
class CategoryPanel;
class Context;
class ShoppingListPanel;
class SortedListBox;
class frmItem;

class frmMain : public QMainWindow, public ItemEditorHost {
    Q_OBJECT
public:
    // Builds the window and runs its load step.
    explicit frmMain(Context& ctx);
    ~frmMain() override;

    CategoryPanel* categories() const { return m_categories; }
    AvailableItemsPanel* available() const { return m_available; }
    ShoppingListPanel* shoppingList() const { return m_shopping; }
    SortedListBox* lstAvailable() const;

    // The item editor: the open instance or nullptr; showItemEditor loads it when needed and
    // brings it to the front.
    frmItem* itemEditor() const;
    frmItem& showItemEditor();
    void closeItemEditor();

    // ItemEditorHost
    QWidget* hostWindow() override { return this; }
    SortedListBox& availableList() override { return *lstAvailable(); }
    void RefreshMainList() override;

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                        void (frmMain::*handler)());

    Context& m_ctx;
    CategoryPanel* m_categories;
    AvailableItemsPanel* m_available;
    ShoppingListPanel* m_shopping;
    QPointer<frmItem> m_item;
    bool m_unloaded = false;
};

} // namespace cw
