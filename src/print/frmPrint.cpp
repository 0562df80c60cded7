#include "print/frmPrint.h"

#include "core/Context.h"
#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "platform/LinePrinter.h"
#include "platform/Settings.h"
#include "print/PrintOut.h"
#include "widgets/EntryField.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace cw {

namespace {

const QString kMaxLines = QStringLiteral("maxlines");
const QString kFontSize = QStringLiteral("fontsize");

// The layout was drawn for a narrow system font. Where the platform's font needs more room
// for a caption, the control takes it from the free space up to its right-hand neighbour.
void widenToFit(QWidget* control, int rightLimit) {
    const int wanted = control->sizeHint().width();
    if (wanted > control->width())
        control->resize(std::min(wanted, rightLimit - control->x()), control->height());
}

} // namespace

frmPrint::frmPrint(Context& ctx, const GridSource& grid, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_grid(grid) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral(" Print Defaults"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(4350), twips(1680));
    useUiFont(this);
    buildControls();
    Form_Load();
}

void frmPrint::buildControls() {
    lblGen0 = new QLabel(QStringLiteral(" Max Lines Per Page"), this);
    lblGen0->setObjectName(QStringLiteral("lblGen0"));
    lblGen0->setGeometry(twipsRect(180, 180, 1575, 285));

    auto* field = new EntryField(this);
    field->keyPressed = [this](int& keyAscii) { txtGen_KeyPress(0, keyAscii); };
    txtGen0 = field;
    txtGen0->setObjectName(QStringLiteral("txtGen0"));
    txtGen0->setGeometry(twipsRect(1860, 180, 2235, 285));
    txtGen0->setAccessibleName(lblGen0->text().trimmed());
    lblGen0->setBuddy(txtGen0);

    lblGen1 = new QLabel(QStringLiteral(" Printer Font Size"), this);
    lblGen1->setObjectName(QStringLiteral("lblGen1"));
    lblGen1->setGeometry(twipsRect(180, 540, 1575, 285));

    m_fontGroup = new QButtonGroup(this);
    const QRect places[3] = {twipsRect(2280, 600, 375, 195), twipsRect(2880, 600, 375, 195),
                             twipsRect(3420, 600, 615, 195)};
    const char* captions[3] = {"8", "9", "10"};
    for (int i = 0; i < 3; ++i) {
        optFont[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        optFont[i]->setObjectName(QStringLiteral("optFont%1").arg(i));
        optFont[i]->setGeometry(places[i]);
        m_fontGroup->addButton(optFont[i], i);
        optFont[i]->setAccessibleName(QStringLiteral("Printer Font Size %1").arg(captions[i]));
    }
    optFont[0]->setChecked(true);

    widenToFit(lblGen0, txtGen0->x() - 2);
    widenToFit(lblGen1, optFont[0]->x() - 2);
    widenToFit(optFont[0], optFont[1]->x() - 2);
    widenToFit(optFont[1], optFont[2]->x() - 2);
    widenToFit(optFont[2], width() - 4);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(2100, 1080, 975, 375));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(twipsRect(3120, 1080, 975, 375));
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmPrint::Form_Load() {
    centreOnScreen(this, size());

    txtGen0->setText(m_ctx.settings->get(kMaxLines, QStringLiteral("50")));
    // The stored size as a whole number; anything but 9 or 10, a text that is no number
    // included, means 8 points.
    qint16 size = 8;
    skip([&] { size = toInteger(m_ctx.settings->get(kFontSize, QStringLiteral("8"))); });
    const int option = size == 9 ? 1 : size == 10 ? 2 : 0;
    optFont[option]->setChecked(true);
}

void frmPrint::txtGen_KeyPress(int /*index*/, int& keyAscii) {
    if (keyAscii != 13) return;
    keyAscii = 0;
    focusNextChild();
}

qint16 frmPrint::chosenSize() const {
    if (optFont[1]->isChecked()) return 9;
    if (optFont[2]->isChecked()) return 10;
    return 8;
}

// The page length as the printout will read it: a text it cannot take as a 16-bit whole
// number would make every printout fail, so it is refused here, before anything is stored.
bool frmPrint::pageLengthAccepted() {
    bool usable = false;
    skip([&] {
        if (leadingNumber(txtGen0->text()) == 0) txtGen0->setText(QStringLiteral("50"));
        toInteger(txtGen0->text());
        usable = true;
    });
    if (usable) return true;
    m_ctx.prompts->message(
        QStringLiteral("Max Lines Per Page must be a number from -32768 to 32767"), MsgButtons::Ok,
        MsgIcon::None, appTitle());
    txtGen0->setFocus();
    txtGen0->selectAll();
    return false;
}

void frmPrint::cmdOK_Click() {
    if (m_busy || !pageLengthAccepted()) return;
    m_busy = true;
    bool printed = false;
    trap(m_ctx, QStringLiteral("frmPrint.cmdOK_Click_Error: "), [&] { printed = saveAndPrint(); });
    m_busy = false;
    done(printed ? Accepted : Rejected);
}

bool frmPrint::saveAndPrint() {
    const qint16 size = chosenSize();
    m_ctx.settings->save(kMaxLines, txtGen0->text());
    m_ctx.settings->save(kFontSize, QString::number(size));
    // The screen repaints before the printer dialog; a second OK meanwhile is kept out by
    // m_busy.
    QCoreApplication::processEvents();

    LinePrinter* printer = m_ctx.printer;
    if (!printer) throw Failure("No printer is available");
    // A cancelled printer dialog prints nothing; the settings stay stored.
    if (!printer->choosePrinter()) return false;
    printer->setFontSize(size);

    PrintOut out(m_ctx, m_grid, *printer);
    if (size == 9)
        out.DoPrint9();
    else if (size == 10)
        out.DoPrint10();
    else
        out.DoPrint8();
    return true;
}

void frmPrint::cmdCancel_Click() {
    reject();
}

void frmPrint::reject() {
    // While the printout runs the dialog cannot be closed any other way.
    if (!m_busy) QDialog::reject();
}

void frmPrint::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter presses the button that has the focus (the button handles that itself) and
        // nothing else: the dialog has no default button.
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace cw
