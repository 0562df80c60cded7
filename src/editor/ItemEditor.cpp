#include "editor/ItemEditor.h"

#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "editor/TextRules.h"
#include "platform/UserSettings.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"
#include "widgets/EntryField.h"
#include "widgets/Guard.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace cw {

namespace {

// The window's outer size, frame included, in twips.
constexpr int kOuterWidth = 6075;
constexpr int kOuterHeight = 3615;

enum class Kind { Text, Number };

struct FieldLayout {
    const char* caption;
    Kind kind;
    int maxLength;
    int top;
    int width;
};
constexpr FieldLayout kFields[ItemEditor::FieldCount] = {
    {QT_TRANSLATE_NOOP("cw::ItemEditor", " Item Desc"), Kind::Text, 50, 180, 4275},
    {QT_TRANSLATE_NOOP("cw::ItemEditor", " Size"), Kind::Text, 15, 540, 1635},
    {QT_TRANSLATE_NOOP("cw::ItemEditor", " Isle # or Desc"), Kind::Text, 9, 900, 1635},
    {QT_TRANSLATE_NOOP("cw::ItemEditor", " Quantity"), Kind::Number, 10, 1260, 1635},
    {QT_TRANSLATE_NOOP("cw::ItemEditor", " Unit Cost"), Kind::Number, 10, 1620, 1635},
};

// Leaving a field for another control of this window runs its leave rules; switching to
// another window or opening a menu does not.
bool leavesField(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

ItemEditor::ItemEditor(Context& ctx, QWidget* mainWindow)
    : QMainWindow(mainWindow, Qt::Window), m_ctx(ctx) {
    setObjectName(QStringLiteral("frmItem"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(" Source Item"));
    useUiFont(this);
    buildControls();
    buildMenu();
    holdSize();
    callOnResize(this, [this] { holdSize(); });
    placeAtMainWindowCorner();
    keepOnTop(this);
    m_textCase = UserSettings(m_ctx).textCase();
    const QString option = normalOption(m_textCase);
    checkTextCase(option == QLatin1String("PROPER")  ? m_proper
                  : option == QLatin1String("UPPER") ? m_upper
                  : option == QLatin1String("NONE")  ? m_asTyped
                                                     : nullptr);
}

// A window torn down while shown would tell its fields' loss of focus to a window that is
// partly gone: it is hidden first, while whole.
ItemEditor::~ItemEditor() {
    hide();
}

void ItemEditor::buildControls() {
    auto* area = new QWidget(this);
    setCentralWidget(area);
    for (int i = 0; i < FieldCount; ++i) {
        const FieldLayout& f = kFields[i];
        auto* caption = new QLabel(tr(f.caption), area);
        caption->setObjectName(QStringLiteral("lblGen%1").arg(i));
        caption->setGeometry(twipsRect(240, f.top, 1215, 285));
        auto* field = new EntryField(area);
        field->setObjectName(QStringLiteral("txtGen%1").arg(i));
        field->setGeometry(twipsRect(1500, f.top, f.width, 285));
        field->setMaxLength(f.maxLength);
        field->setAccessibleName(caption->text().trimmed());
        caption->setBuddy(field);
        connect(field, &EntryField::focusLeft, this,
                [this, i](Qt::FocusReason reason) { fieldLeft(i, reason); });
        // Any change of a field, the program's own included, is something to save.
        connect(field, &QLineEdit::textChanged, this, [this] { m_save->setEnabled(true); });
        m_fields[i] = field;
    }
    m_category = new QLabel(area);
    m_category->setObjectName(QStringLiteral("lblCategoryDesc"));
    m_category->setGeometry(twipsRect(240, 2460, 4455, 255));
    m_save = new QPushButton(tr("&Save"), area);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setGeometry(twipsRect(4860, 2400, 975, 375));
    m_save->setAutoDefault(true); // Enter on the focused button presses it
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (leaveFocusedField()) guarded(m_ctx, [this] { save(); });
    });
    for (int i = 1; i < FieldCount; ++i)
        setTabOrder(m_fields[i - 1], m_fields[i]);
    setTabOrder(m_fields[FieldCount - 1], m_save);
}

void ItemEditor::buildMenu() {
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    auto add = [&](const char* name, const char* caption) {
        QAction* action = options->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        return action;
    };
    m_proper = add("mnuConvertProper", QT_TR_NOOP("Convert Text to Proper Case"));
    m_upper = add("mnuConvertUpper", QT_TR_NOOP("Convert Text to Upper Case"));
    m_asTyped = add("mnuConvertNone", QT_TR_NOOP("Leave Text as Typed"));
    connect(m_proper, &QAction::triggered, this, [this] {
        guarded(m_ctx, [this] { chooseTextCase(m_proper, QStringLiteral("Proper"), &properCase); });
    });
    connect(m_upper, &QAction::triggered, this, [this] {
        guarded(m_ctx, [this] { chooseTextCase(m_upper, QStringLiteral("Upper"), &upperCase); });
    });
    connect(m_asTyped, &QAction::triggered, this, [this] {
        guarded(m_ctx, [this] { chooseTextCase(m_asTyped, QStringLiteral("None"), nullptr); });
    });
}

QLineEdit* ItemEditor::field(int index) const {
    if (index < 0 || index >= FieldCount) throw Failure::noSuchControl();
    return m_fields[static_cast<std::size_t>(index)];
}

// ---- Life cycle

// Own lower right corner on the main window's lower right corner, frames included.
void ItemEditor::placeAtMainWindowCorner() {
    if (QWidget* main = parentWidget()) {
        const QRect h = main->frameGeometry();
        const QSize own = frameGeometry().size();
        move(h.x() + h.width() - own.width(), h.y() + h.height() - own.height());
    }
}

void ItemEditor::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        guarded(m_ctx, [&] { UserSettings(m_ctx).setTextCase(m_textCase); });
        emit closed(); // the window goes even when its setting could not be stored
    }
    event->accept();
}

// The window has one size: 6075 x 3615 twips with its frame. It can be minimized; a maximized
// window returns to the normal state.
void ItemEditor::holdSize() {
    skip([&] { cw::holdSize(this, QSize(twips(kOuterWidth), twips(kOuterHeight)), true); });
    // Placed before the window manager framed it: placed again, once, with the frame.
    if (!m_placedWithFrame && isVisible() && frameGeometry() != geometry()) {
        m_placedWithFrame = true;
        placeAtMainWindowCorner();
    }
}

// ---- Load and save

void ItemEditor::create(qint32 categoryId, const QString& categoryCaption) {
    edit(categoryId, categoryCaption, 0);
}

void ItemEditor::edit(qint32 categoryId, const QString& categoryCaption, qint32 itemId) {
    m_categoryId = categoryId;
    m_category->setText(categoryCaption);
    load(itemId);
}

void ItemEditor::showItem(qint32 categoryId, qint32 itemId) {
    m_categoryId = categoryId;
    if (itemId != m_itemId) load(itemId);
}

void ItemEditor::reload() {
    if (m_itemId <= 0) return;
    const Item item = ItemStore(m_ctx).find(m_itemId);
    load(trimSpaces(item.description).isEmpty() ? 0 : m_itemId);
}

void ItemEditor::setField(int index, const QString& text) {
    field(index)->setText(text);
}

void ItemEditor::clearFields() {
    for (int i = 0; i < FieldCount; ++i)
        skip([&] { setField(i, QString()); });
}

void ItemEditor::load(qint32 itemId) {
    m_itemId = itemId;
    trap(m_ctx, prefix::kLoadItem, [&] {
        clearFields();
        m_save->setEnabled(false);
        if (itemId == 0) return; // empty, ready for a new item
        const Item item = ItemStore(m_ctx).find(itemId);
        setField(Description, trimSpaces(item.description));
        setField(Size, trimSpaces(item.size));
        setField(Aisle, trimSpaces(item.aisle));
        setField(Quantity, trimSpaces(item.quantity));
        setField(Cost, trimSpaces(item.cost));
        m_save->setEnabled(false); // a freshly loaded item has nothing to save
    });
}

void ItemEditor::save() {
    trap(m_ctx, prefix::kSaveItem, [&] {
        const JournalStep step(m_ctx, m_itemId == 0 ? tr("New Item") : tr("Edit Item"));
        auto say = [&](const QString& text) { MsgBox(m_ctx, text); };
        Item item;
        item.categoryId = m_categoryId;
        item.description = trimSpaces(field(Description)->text());
        item.size = trimSpaces(field(Size)->text());
        item.aisle = trimSpaces(field(Aisle)->text());
        item.quantity = trimSpaces(field(Quantity)->text());
        item.cost = trimSpaces(field(Cost)->text());
        if (item.description.isEmpty()) {
            say(tr("Can't save item with blank description"));
            field(Description)->setFocus();
            return;
        }
        if (item.quantity.isEmpty()) item.quantity = QStringLiteral("1");
        if (item.cost.isEmpty()) item.cost = QStringLiteral(".00");
        const qint32 id = m_itemId;
        ItemStore store(m_ctx);
        if (id == 0) {
            const qint32 added = store.add(item);
            if (added == 0) return say(tr("New record was not saved"));
            emit itemAdded(added, item.description);
        } else {
            if (!store.edit(id, item)) return say(tr("Error! Record was not saved"));
            emit itemSaved(id, item.description);
        }
        m_save->setEnabled(false);
        emit saved();
        say(tr("Record saved"));
        if (id == 0) close();
    });
}

// ---- Entry rules

void ItemEditor::fieldLeft(int index, Qt::FocusReason reason) {
    // The rules of one field at a time: a message box, or the focus put back on the field, must
    // not set off the rules of the field the user was going to.
    if (m_leavingField >= 0 || !leavesField(reason)) return;
    m_leavingField = index;
    guarded(m_ctx, [&] { applyLeaveRules(index); });
    m_leavingField = -1;
}

// Save pressed with its access key leaves the field that has the focus only afterwards: its
// rules run first, as when the focus moves to the button, and a refusal stops the save.
bool ItemEditor::leaveFocusedField() {
    for (int i = 0; i < FieldCount; ++i) {
        if (!m_fields[static_cast<std::size_t>(i)]->hasFocus()) continue;
        m_fieldRefused = false;
        fieldLeft(i, Qt::ShortcutFocusReason);
        return !m_fieldRefused;
    }
    return true;
}

void ItemEditor::applyLeaveRules(int index) {
    QLineEdit* f = field(index);
    if (index == Quantity && trimSpaces(f->text()).isEmpty()) setField(index, "1");
    if (index == Cost && trimSpaces(f->text()).isEmpty()) setField(index, ".00");
    if (kFields[index].kind == Kind::Number) {
        if (!readsAsPlainNumber(f->text())) {
            MsgBox(m_ctx, tr("Only numbers and decimals are accepted"));
            setField(index, QString());
            f->setFocus();
            m_fieldRefused = true;
            return;
        }
        setField(index, formatFixed(f->text()));
    } else {
        setField(index, convertByOption(trimSpaces(f->text()), m_textCase));
    }
}

void ItemEditor::checkTextCase(QAction* checked) {
    for (QAction* a : {m_proper, m_upper, m_asTyped})
        a->setChecked(a == checked);
}

// A menu entry: the option checked and kept, and the text fields converted at once (not
// trimmed).
void ItemEditor::chooseTextCase(QAction* checked, const QString& option,
                                QString (*convert)(const QString&)) {
    checkTextCase(checked);
    m_textCase = option;
    if (!convert) return;
    for (int i = 0; i < FieldCount; ++i)
        if (kFields[i].kind == Kind::Text) setField(i, convert(field(i)->text()));
}

} // namespace cw
