#include "editor/frmItem.h"

#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "editor/TextRules.h"
#include "platform/Settings.h"
#include "store/Records.h"
#include "store/cSourceItem.h"
#include "widgets/CaptionLabel.h"
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

frmItem::frmItem(Context& ctx, QWidget* mainWindow)
    : QMainWindow(mainWindow, Qt::Window), m_ctx(ctx) {
    setObjectName(QStringLiteral("frmItem"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Source Item"));
    useUiFont(this);
    buildControls();
    buildMenu();
    Form_Resize();
    callOnResize(this, [this] { Form_Resize(); });
    Form_Load();
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
        field->setAccessibleName(m_lblGen[i]->text().trimmed()); // its caption
        m_lblGen[i]->setBuddy(field);
        field->keyPressed = [this, i](int& keyAscii) {
            guarded(m_ctx, [&] { txtGen_KeyPress(i, keyAscii); });
        };
        field->focusLost = [this, i](Qt::FocusReason reason) { fieldLeft(i, reason); };
        connect(field, &QLineEdit::textChanged, this,
                [this, i] { guarded(m_ctx, [&] { txtGen_Change(i); }); });
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
        connect(action, &QAction::triggered, this,
                [this, handlerName, handler] { guarded(m_ctx, [&] { (this->*handler)(); }); });
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
    placeAtMainWindowCorner();
    KeepOnTop(this);
    strConvertOption = m_ctx.settings->get(kConvertKey, QStringLiteral("proper"));
    const QString option = NormalOption(strConvertOption);
    checkOption(option == QLatin1String("PROPER")  ? mnuConvertProper
                : option == QLatin1String("UPPER") ? mnuConvertUpper
                : option == QLatin1String("NONE")  ? mnuConvertNone
                                                   : nullptr);
}

// Own lower right corner on the main window's lower right corner, frames included.
void frmItem::placeAtMainWindowCorner() {
    if (QWidget* main = parentWidget()) {
        const QRect h = main->frameGeometry();
        const QSize own = frameGeometry().size();
        move(h.x() + h.width() - own.width(), h.y() + h.height() - own.height());
    }
}

void frmItem::Form_Unload() {
    m_ctx.settings->save(kConvertKey, strConvertOption);
}

void frmItem::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        guarded(m_ctx, [&] { Form_Unload(); });
        emit unloaded(); // the window goes even when its unload step failed
    }
    event->accept();
}

// The window has one size: 6075 x 3615 twips with its frame. It can be minimized; a maximized
// window returns to the normal state.
void frmItem::Form_Resize() {
    skip([&] { holdSize(this, QSize(twips(kOuterWidth), twips(kOuterHeight)), true); });
    // Placed at load before the window manager framed it: placed again, once, with the frame.
    if (!m_placedWithFrame && isVisible() && frameGeometry() != geometry()) {
        m_placedWithFrame = true;
        placeAtMainWindowCorner();
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
        auto say = [&](const char* text) { MsgBox(m_ctx, QString::fromLatin1(text)); };
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
        if (id == 0) {
            const qint32 newId = item.lngAddRecord();
            if (newId == 0) {
                say("New record was not saved");
                return;
            }
            // The main window chooses the new entry, which hands the new item to this editor.
            emit itemAdded(newId, item.strItem);
        } else {
            if (!item.blnEditRecord(id)) {
                say("Error! Record was not saved");
                return;
            }
            emit itemRenamed(id, trimSpaces(item.strItem));
        }
        cmdSave->setEnabled(false);
        emit saved();
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
    guarded(m_ctx, [&] { txtGen_LostFocus(index); });
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
        MsgBox(m_ctx, QStringLiteral("Only numbers and decimals are accepted"));
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
