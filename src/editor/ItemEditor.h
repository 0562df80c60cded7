#pragma once
// The item editor: the window in which one item of the catalogue is created or changed. The
// main window opens it on a new item of a category or on an item, and it loads the item afresh
// from the file whenever it is given another. Save writes the item through the item store and
// tells the main window what changed through signals. It stays above the main window at its
// lower right corner, and closes itself once a new item is saved.
#include "core/Context.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cw {

class EntryField;

class ItemEditor : public QMainWindow {
    Q_OBJECT
public:
    enum Field { Description, Size, Aisle, Quantity, Cost, FieldCount };

    // A window of its own that belongs to the main window: it stays above it and goes with
    // it. It deletes itself when it is closed.
    ItemEditor(Context& ctx, QWidget* mainWindow);
    ~ItemEditor() override;

    // A new item of this category: the fields emptied, whatever they held.
    void create(qint32 categoryId, const QString& categoryCaption);
    // This item loaded afresh from the file; changes not saved are dropped.
    void edit(qint32 categoryId, const QString& categoryCaption, qint32 itemId);
    // The item chosen in the main window: loaded, unless it is the one shown.
    void showItem(qint32 categoryId, qint32 itemId);
    // After the files changed under the window (a change undone): the item shown is loaded
    // again, or, when it is no longer in the file, the window is ready for a new item. A new
    // item being typed is left as it is.
    void reload();
    // The category of the item shown or to be made.
    qint32 categoryId() const { return m_categoryId; }

    QLineEdit* field(int index) const;

signals:
    // A new item was stored: the main window lists it and chooses it, which shows it here.
    void itemAdded(qint32 id, const QString& description);
    // An item was stored again, under this description.
    void itemSaved(qint32 id, const QString& description);
    // A save is done: the shopping list shows its rows afresh.
    void saved();
    // The window is closing.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void placeAtMainWindowCorner();
    void holdSize();
    void load(qint32 itemId);
    void clearFields();
    void setField(int index, const QString& text);
    void save();
    // The rules for leaving a field (defaults, numbers, case conversion).
    void applyLeaveRules(int index);
    void fieldLeft(int index, Qt::FocusReason reason);
    bool leaveFocusedField();
    void chooseTextCase(QAction* checked, const QString& option,
                        QString (*convert)(const QString&));
    void checkTextCase(QAction* checked);

    Context& m_ctx;
    qint32 m_categoryId = 0;
    qint32 m_itemId = -1; // none shown yet
    std::array<EntryField*, FieldCount> m_fields{};
    QLabel* m_category = nullptr;
    QPushButton* m_save = nullptr;
    QAction* m_proper = nullptr;
    QAction* m_upper = nullptr;
    QAction* m_asTyped = nullptr;
    // How text is converted when a field is left: "Proper", "Upper" or "None" (compared
    // trimmed, in any case), as the setting holds it until a menu entry is chosen.
    QString m_textCase;
    bool m_closed = false;
    bool m_placedWithFrame = false;
    int m_leavingField = -1;     // the field whose leave rules are running, -1 for none
    bool m_fieldRefused = false; // the last leave rules refused the field's text
};

} // namespace cw
