#pragma once
// The item editor: the window in which one source item is created or changed. The main window
// hands it a category and an item through the hidden labels lblCatID and lblID; a change of
// lblID loads the item (or empties the fields for a new one), and Save writes it through the
// source item store and tells the main window what changed through its signals.
#include "core/Context.h"
#include "widgets/CaptionLabel.h"

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
    // A window of its own that belongs to the main window: it stays above it and goes with
    // it. Runs Form_Load. The window deletes itself when it is closed.
    frmItem(Context& ctx, QWidget* mainWindow);
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

signals:
    // A new item was saved: the main window adds it to its items list and chooses it there.
    void itemAdded(qint32 id, const QString& description);
    // An existing item was saved under this description.
    void itemRenamed(qint32 id, const QString& description);
    // A save is done: the main window shows the shopping list afresh.
    void saved();
    // The window is closing (Form_Unload has run).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void Form_Load();
    void placeAtMainWindowCorner();
    void Form_Unload();
    void checkOption(QAction* checked);
    void convertTextFields(QString (*convert)(const QString&));
    void setField(int index, const QString& text);
    void fieldLeft(int index, Qt::FocusReason reason);
    bool leaveFocusedField();

    Context& m_ctx;
    std::array<QLabel*, kFieldCount> m_lblGen{};
    std::array<EntryField*, kFieldCount> m_txtGen{};
    bool m_unloaded = false;
    bool m_placedWithFrame = false;
    int m_leavingField = -1;     // the field whose leave rules are running, -1 for none
    bool m_fieldRefused = false; // the last leave rules refused the field's text
};

} // namespace cw
