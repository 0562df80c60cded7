#include "frmItem.h"

#include "EntryField.h"
#include "TextRules.h"
#include "app/CaptionLabel.h"
#include "app/SortedListBox.h"
#include "app/modmain.h"
#include "platform/Prompts.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "store/Failure.h"
#include "store/Numbers.h"
#include "store/Records.h"
#include "store/Trap.h"
#include "store/cSourceItem.h"

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

struct FieldLayout {
    const char* caption;
    const char* tag;
    int maxLength;
    int top;
    int width;
};
constexpr FieldLayout kFields[frmItem::kFieldCount] = {
    {" Item Desc", "Text", 50, 180, 4275},     {" Size", "Text", 15, 540, 1635},
    {" Isle # or Desc", "Text", 9, 900, 1635}, {" Quantity", "Numeric", 10, 1260, 1635},
    {" Unit Cost", "Numeric", 10, 1620, 1635},
};
constexpr int kQuantity = 3;
constexpr int kCost = 4;

const char* const kTag = "tag";
const QString kConvertKey = QStringLiteral("convert");

QString tagOf(const QLineEdit* field) {
    return field->property(kTag).toString();
}

// An ID handed over in a label's caption: its leading number as a 32-bit integer.
qint32 idOf(const CaptionLabel* label) {
    return toLong(leadingNumber(label->caption()));
}

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

template <class F> void frmItem::untrapped(const char* name, F&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        const QString description = describe(std::current_exception());
        skip([&] {
            report(m_ctx, QStringLiteral("frmItem.") + QLatin1String(name) + QStringLiteral(": "),
                   description);
        });
        skip([&] { EndProgram(m_ctx); });
    }
}

// A window of its own that belongs to the main window: it stays above it and goes with it.
frmItem::frmItem(Context& ctx, ItemEditorHost& host)
    : QMainWindow(host.hostWindow(), Qt::Window), m_ctx(ctx), m_host(host) {
    setObjectName(QStringLiteral("frmItem"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Source Item"));
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    buildControls();
    buildMenu();
    Form_Resize();
    try {
        Form_Load();
    } catch (...) {
        m_unloaded = true;
        m_ctx.blnItemFormLoaded = false;
        throw;
    }
}

frmItem::~frmItem() {
    // The fields outlive this part of the window while it is torn down: from here on their
    // changes and their loss of focus must not reach the handlers.
    for (EntryField* field : m_txtGen) {
        field->keyPressed = nullptr;
        field->focusLost = nullptr;
        disconnect(field, nullptr, this, nullptr);
    }
    disconnect(lblID, nullptr, this, nullptr);
    // A window destroyed without being closed is gone all the same.
    if (!m_unloaded) m_ctx.blnItemFormLoaded = false;
}

void frmItem::buildControls() {
    auto* area = new QWidget(this);
    setCentralWidget(area);
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldLayout& f = kFields[i];
        m_lblGen[i] = new QLabel(QString::fromLatin1(f.caption), area);
        m_lblGen[i]->setObjectName(QStringLiteral("lblGen%1").arg(i));
        m_lblGen[i]->setGeometry(twipsRect(240, f.top, 1215, 285));
        auto* field = new EntryField(area);
        field->setObjectName(QStringLiteral("txtGen%1").arg(i));
        field->setGeometry(twipsRect(1500, f.top, f.width, 285));
        field->setMaxLength(f.maxLength);
        field->setProperty(kTag, QString::fromLatin1(f.tag));
        field->keyPressed = [this, i](int& keyAscii) {
            untrapped("txtGen_KeyPress", [&] { txtGen_KeyPress(i, keyAscii); });
        };
        field->focusLost = [this, i](Qt::FocusReason reason) { fieldLeft(i, reason); };
        connect(field, &QLineEdit::textChanged, this,
                [this, i] { untrapped("txtGen_Change", [&] { txtGen_Change(i); }); });
        m_txtGen[i] = field;
    }
    lblCategoryDesc = new CaptionLabel(area);
    lblCategoryDesc->setObjectName(QStringLiteral("lblCategoryDesc"));
    lblCategoryDesc->setGeometry(twipsRect(240, 2460, 4455, 255));
    cmdSave = new QPushButton(QStringLiteral("&Save"), area);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(twipsRect(4860, 2400, 975, 375));
    cmdSave->setAutoDefault(true); // Enter on the focused button presses it
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (leaveFocusedField()) cmdSave_Click();
    });
    lblID = new CaptionLabel(area);
    lblID->setObjectName(QStringLiteral("lblID"));
    lblID->setGeometry(twipsRect(3360, 720, 435, 315));
    lblID->hide();
    lblCatID = new CaptionLabel(area);
    lblCatID->setObjectName(QStringLiteral("lblCatID"));
    lblCatID->setGeometry(twipsRect(3960, 720, 435, 315));
    lblCatID->hide();
    connect(lblID, &CaptionLabel::captionChanged, this, [this] { lblID_Change(); });
    for (int i = 1; i < kFieldCount; ++i)
        setTabOrder(m_txtGen[i - 1], m_txtGen[i]);
    setTabOrder(m_txtGen[kFieldCount - 1], cmdSave);
}

void frmItem::buildMenu() {
    QMenu* mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    auto add = [&](const char* name, const char* handlerName, const char* caption,
                   void (frmItem::*handler)()) {
        QAction* action = mnuOptions->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, handlerName, handler] {
            untrapped(handlerName, [&] { (this->*handler)(); });
        });
        return action;
    };
    mnuConvertProper = add("mnuConvertProper", "mnuConvertProper_Click",
                           "Convert Text to Proper Case", &frmItem::mnuConvertProper_Click);
    mnuConvertUpper = add("mnuConvertUpper", "mnuConvertUpper_Click", "Convert Text to Upper Case",
                          &frmItem::mnuConvertUpper_Click);
    mnuConvertNone = add("mnuConvertNone", "mnuConvertNone_Click", "Leave Text as Typed",
                         &frmItem::mnuConvertNone_Click);
}

QLineEdit* frmItem::txtGen(int index) const {
    if (index < 0 || index >= kFieldCount) throw Failure("Control array element doesn't exist");
    return m_txtGen[index];
}

QLabel* frmItem::lblGen(int index) const {
    if (index < 0 || index >= kFieldCount) throw Failure("Control array element doesn't exist");
    return m_lblGen[index];
}

// ---- Life cycle

void frmItem::Form_Load() {
    m_ctx.blnItemFormLoaded = true;
    placeAtHostCorner();
    KeepOnTop(this);
    strConvertOption = m_ctx.settings->get(kConvertKey, QStringLiteral("proper"));
    const QString option = NormalOption(strConvertOption);
    checkOption(option == QLatin1String("PROPER")  ? mnuConvertProper
                : option == QLatin1String("UPPER") ? mnuConvertUpper
                : option == QLatin1String("NONE")  ? mnuConvertNone
                                                   : nullptr);
}

// Own lower right corner on the main window's lower right corner, frames included.
void frmItem::placeAtHostCorner() {
    if (QWidget* main = m_host.hostWindow()) {
        const QRect h = main->frameGeometry();
        const QSize own = frameGeometry().size();
        move(h.x() + h.width() - own.width(), h.y() + h.height() - own.height());
    }
}

void frmItem::Form_Unload() {
    m_ctx.settings->save(kConvertKey, strConvertOption);
    m_ctx.blnItemFormLoaded = false;
}

void frmItem::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        untrapped("Form_Unload", [&] { Form_Unload(); });
        m_ctx.blnItemFormLoaded = false; // the window goes even when its unload step failed
    }
    event->accept();
}

// The window has one size: 6075 x 3615 twips with its frame. It can be minimized; a maximized
// window returns to the normal state.
void frmItem::Form_Resize() {
    if (m_resizing) return;
    m_resizing = true;
    bool minimized = false;
    skip([&] { minimized = isMinimized(); });
    if (!minimized) {
        skip([&] {
            const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
            if (windowState() & large) setWindowState(windowState() & ~large);
        });
        skip([&] {
            const QSize frame = frameGeometry().size() - geometry().size();
            setFixedSize(twips(kOuterWidth) - frame.width(), twips(kOuterHeight) - frame.height());
        });
    }
    m_resizing = false;
}

void frmItem::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmItem::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmItem::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    Form_Resize(); // the window system may have told its frame size only now
}

void frmItem::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Form_Resize();
    if (!m_shown) {
        // Until the window is first shown its frame is unknown; place it again with the frame.
        m_shown = true;
        placeAtHostCorner();
    }
}

// ---- Load and save

void frmItem::setField(int index, const QString& text) {
    txtGen(index)->setText(text);
}

void frmItem::ClearText() {
    for (int i = 0; i < kFieldCount; ++i)
        skip([&] { setField(i, QString()); });
}

void frmItem::lblID_Change() {
    trap(m_ctx, QStringLiteral("frmItem.lblID_Change_Error: "), [&] {
        ClearText();
        cmdSave->setEnabled(false);
        const qint32 id = idOf(lblID);
        if (id == 0) return; // empty, ready for a new item
        cSourceItem item(m_ctx);
        if (item.blnFindRecord(id)) {
            setField(0, trimSpaces(item.strItem));
            setField(1, trimSpaces(item.strSize));
            setField(2, trimSpaces(item.strIsle));
            setField(kQuantity, trimSpaces(item.strQuantity));
            setField(kCost, trimSpaces(item.strCost));
        }
        cmdSave->setEnabled(false); // a freshly loaded item has nothing to save
    });
}

void frmItem::cmdSave_Click() {
    trap(m_ctx, QStringLiteral("frmItem_cmdSave_Click_Error: "), [&] {
        auto say = [&](const char* text) {
            m_ctx.prompts->message(QString::fromLatin1(text), MsgButtons::Ok, MsgIcon::None,
                                   m_ctx.appTitle);
        };
        cSourceItem item(m_ctx);
        item.strItem = trimSpaces(txtGen(0)->text());
        item.strSize = trimSpaces(txtGen(1)->text());
        item.strIsle = trimSpaces(txtGen(2)->text());
        item.strQuantity = trimSpaces(txtGen(kQuantity)->text());
        item.strCost = trimSpaces(txtGen(kCost)->text());
        item.lngCatID = idOf(lblCatID);
        if (item.strItem.isEmpty()) {
            say("Can't save item with blank description");
            txtGen(0)->setFocus();
            return;
        }
        if (item.strQuantity.isEmpty()) item.strQuantity = QStringLiteral("1");
        if (item.strCost.isEmpty()) item.strCost = QStringLiteral(".00");
        const qint32 id = idOf(lblID);
        SortedListBox& list = m_host.availableList();
        if (id == 0) {
            const qint32 newId = item.lngAddRecord();
            if (newId == 0) {
                say("New record was not saved");
                return;
            }
            list.addEntry(item.strItem, newId);
            // Runs the main window's click handler, which hands the new item to this editor.
            list.setSelectedIndex(list.newIndex());
        } else {
            if (!item.blnEditRecord(id)) {
                say("Error! Record was not saved");
                return;
            }
            const int selected = list.selectedIndex();
            if (selected >= 0 && list.itemData(selected) == id)
                list.setText(selected, trimSpaces(item.strItem));
        }
        cmdSave->setEnabled(false);
        m_host.RefreshMainList();
        say("Record saved");
        if (id == 0) close();
    });
}

// ---- Entry rules

void frmItem::txtGen_KeyPress(int /*Index*/, int& KeyAscii) {
    if (KeyAscii != 13) return;
    KeyAscii = 0;     // Enter goes no further
    focusNextChild(); // and acts as Tab
}

void frmItem::txtGen_Change(int /*Index*/) {
    cmdSave->setEnabled(true);
}

void frmItem::fieldLeft(int index, Qt::FocusReason reason) {
    // The rules of one field at a time: a message box, or the focus put back on the field, must
    // not set off the rules of the field the user was going to.
    if (m_leavingField >= 0 || !leavesField(reason)) return;
    m_leavingField = index;
    untrapped("txtGen_LostFocus", [&] { txtGen_LostFocus(index); });
    m_leavingField = -1;
}

// Save pressed with its access key leaves the field that has the focus only afterwards: its
// rules run first, as when the focus moves to the button, and a refusal stops the save.
bool frmItem::leaveFocusedField() {
    for (int i = 0; i < kFieldCount; ++i) {
        if (!m_txtGen[i]->hasFocus()) continue;
        m_fieldRefused = false;
        fieldLeft(i, Qt::ShortcutFocusReason);
        return !m_fieldRefused;
    }
    return true;
}

void frmItem::txtGen_LostFocus(int Index) {
    QLineEdit* field = txtGen(Index);
    if (Index == kQuantity && trimSpaces(field->text()).isEmpty()) setField(Index, "1");
    if (Index == kCost && trimSpaces(field->text()).isEmpty()) setField(Index, ".00");
    const QString tag = tagOf(field);
    if (tag == QLatin1String("Numeric") && !ReadsAsPlainNumber(field->text())) {
        m_ctx.prompts->message(QStringLiteral("Only numbers and decimals are accepted"),
                               MsgButtons::Ok, MsgIcon::None, m_ctx.appTitle);
        setField(Index, QString());
        field->setFocus();
        m_fieldRefused = true;
        return;
    }
    if (tag == QLatin1String("Numeric"))
        setField(Index, formatFixed(field->text()));
    else if (tag == QLatin1String("Text"))
        setField(Index, ConvertByOption(trimSpaces(field->text()), strConvertOption));
}

void frmItem::checkOption(QAction* checked) {
    for (QAction* a : {mnuConvertProper, mnuConvertUpper, mnuConvertNone})
        a->setChecked(a == checked);
}

void frmItem::convertTextFields(QString (*convert)(const QString&)) {
    for (int i = 0; i < kFieldCount; ++i)
        if (trimSpaces(tagOf(txtGen(i))).toUpper() == QLatin1String("TEXT"))
            setField(i, convert(txtGen(i)->text()));
}

void frmItem::mnuConvertProper_Click() {
    checkOption(mnuConvertProper);
    strConvertOption = QStringLiteral("Proper");
    convertTextFields(&ProperCase);
}

void frmItem::mnuConvertUpper_Click() {
    checkOption(mnuConvertUpper);
    strConvertOption = QStringLiteral("Upper");
    convertTextFields(&UpperCase);
}

void frmItem::mnuConvertNone_Click() {
    checkOption(mnuConvertNone);
    strConvertOption = QStringLiteral("None");
}

} // namespace cw
