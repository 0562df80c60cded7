#pragma once
// The item editor: the window in which one source item is created or changed. The main window
// hands it a category and an item through the hidden labels lblCatID and lblID; a change of
// lblID loads the item (or empties the fields for a new one), and Save writes it through the
// source item store and updates the main window's available items list and grid.
#include "ItemEditorHost.h"
#include "app/CaptionLabel.h"
#include "store/Context.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QString>
#include <array>

class QAction;
class QLabel;

namespace cw {

class EntryField;

class frmItem : public QMainWindow {
    Q_OBJECT
public:
    // Runs Form_Load. The window deletes itself when it is closed.
    frmItem(Context& ctx, ItemEditorHost& host);
    ~frmItem() override;

    static constexpr int kFieldCount = 5;

    CaptionLabel* lblID = nullptr;           // the item ID as decimal text, "0" for a new item
    CaptionLabel* lblCatID = nullptr;        // the category ID as decimal text
    CaptionLabel* lblCategoryDesc = nullptr; // "Category: " + the category name
    QPushButton* cmdSave = nullptr;
    QAction* mnuConvertProper = nullptr;
    QAction* mnuConvertUpper = nullptr;
    QAction* mnuConvertNone = nullptr;
    // The text case conversion: "Proper", "Upper" or "None" (compared trimmed, any case).
    QString strConvertOption;

    QLineEdit* txtGen(int index) const; // 0 item, 1 size, 2 isle, 3 quantity, 4 cost
    QLabel* lblGen(int index) const;

    void Form_Resize();
    void ClearText();
    void lblID_Change();
    void cmdSave_Click();

    // Entry rules of the fields.
    void txtGen_KeyPress(int Index, int& KeyAscii);
    void txtGen_Change(int Index);
    void txtGen_LostFocus(int Index);
    void mnuConvertProper_Click();
    void mnuConvertUpper_Click();
    void mnuConvertNone_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void Form_Load();
    void placeAtHostCorner();
    void Form_Unload();
    void checkOption(QAction* checked);
    void convertTextFields(QString (*convert)(const QString&));
    void setField(int index, const QString& text);
    void fieldLeft(int index, Qt::FocusReason reason);
    bool leaveFocusedField();
    // Runs a handler that has no error trap of its own from an event: a failure is reported
    // under the handler's name and ends the program, as it would for any unhandled failure.
    template <class F> void untrapped(const char* name, F&& handler) noexcept;

    Context& m_ctx;
    ItemEditorHost& m_host;
    std::array<QLabel*, kFieldCount> m_lblGen{};
    std::array<EntryField*, kFieldCount> m_txtGen{};
    bool m_unloaded = false;
    bool m_resizing = false;
    bool m_shown = false;
    int m_leavingField = -1; // the field whose leave rules are running, -1 for none
    bool m_fieldRefused = false; // the last leave rules refused the field's text
};

} // namespace cw
