#include "print/PrintOptionsDialog.h"

#include "core/Context.h"
#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Trap.h"
#include "platform/LinePrinter.h"
#include "platform/UserSettings.h"
#include "print/ShoppingListPrintout.h"
#include "widgets/EntryField.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace cw {

namespace {

constexpr int kPoints[3] = {8, 9, 10};

// The layout was drawn for a narrow system font. Where the platform's font needs more room
// for a caption, the control takes it from the free space up to its right-hand neighbour.
void widenToFit(QWidget* control, int rightLimit) {
    const int wanted = control->sizeHint().width();
    if (wanted > control->width())
        control->resize(std::min(wanted, rightLimit - control->x()), control->height());
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(Context& ctx, const ShoppingListModel& list, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_list(list) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr(" Print Defaults"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(4350), twips(1680));
    useUiFont(this);
    buildControls();
    centreOnScreen(this, size());

    const UserSettings settings(m_ctx);
    m_lines->setText(settings.maxLines());
    // The stored size as a whole number; anything but 9 or 10, a text that is no number
    // included, means 8 points.
    qint16 size = 8;
    skip([&] { size = toInteger(settings.fontSize()); });
    m_sizes[size == 9 ? 1 : size == 10 ? 2 : 0]->setChecked(true);
}

void PrintOptionsDialog::buildControls() {
    auto* linesCaption = new QLabel(tr(" Max Lines Per Page"), this);
    linesCaption->setObjectName(QStringLiteral("lblGen0"));
    linesCaption->setGeometry(twipsRect(180, 180, 1575, 285));

    m_lines = new EntryField(this); // Enter moves on to the sizes, as Tab does
    m_lines->setObjectName(QStringLiteral("txtGen0"));
    m_lines->setGeometry(twipsRect(1860, 180, 2235, 285));
    m_lines->setAccessibleName(linesCaption->text().trimmed());
    linesCaption->setBuddy(m_lines);

    auto* sizeCaption = new QLabel(tr(" Printer Font Size"), this);
    sizeCaption->setObjectName(QStringLiteral("lblGen1"));
    sizeCaption->setGeometry(twipsRect(180, 540, 1575, 285));

    auto* group = new QButtonGroup(this);
    const QRect places[3] = {twipsRect(2280, 600, 375, 195), twipsRect(2880, 600, 375, 195),
                             twipsRect(3420, 600, 615, 195)};
    for (int i = 0; i < 3; ++i) {
        const QString points = QString::number(kPoints[i]);
        m_sizes[i] = new QRadioButton(points, this);
        m_sizes[i]->setObjectName(QStringLiteral("optFont%1").arg(i));
        m_sizes[i]->setGeometry(places[i]);
        m_sizes[i]->setAccessibleName(tr("Printer Font Size %1").arg(points));
        group->addButton(m_sizes[i], i);
    }
    m_sizes[0]->setChecked(true);

    widenToFit(linesCaption, m_lines->x() - 2);
    widenToFit(sizeCaption, m_sizes[0]->x() - 2);
    widenToFit(m_sizes[0], m_sizes[1]->x() - 2);
    widenToFit(m_sizes[1], m_sizes[2]->x() - 2);
    widenToFit(m_sizes[2], width() - 4);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(2100, 1080, 975, 375));
    connect(ok, &QPushButton::clicked, this, &PrintOptionsDialog::printList);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setGeometry(twipsRect(3120, 1080, 975, 375));
    connect(cancel, &QPushButton::clicked, this, &PrintOptionsDialog::reject);
}

int PrintOptionsDialog::chosenSize() const {
    for (int i = 0; i < 3; ++i)
        if (m_sizes[i]->isChecked()) return kPoints[i];
    return kPoints[0];
}

// The page length as the printout will read it: a text it cannot take as a 16-bit whole
// number would make every printout fail, so it is refused here, before anything is stored.
bool PrintOptionsDialog::pageLengthAccepted() {
    bool usable = false;
    skip([&] {
        if (leadingNumber(m_lines->text()) == 0) m_lines->setText(QStringLiteral("50"));
        toInteger(m_lines->text());
        usable = true;
    });
    if (usable) return true;
    MsgBox(m_ctx, tr("Max Lines Per Page must be a number from -32768 to 32767"));
    m_lines->setFocus();
    m_lines->selectAll();
    return false;
}

void PrintOptionsDialog::printList() {
    if (m_busy || !pageLengthAccepted()) return;
    m_busy = true;
    bool printed = false;
    trap(m_ctx, prefix::kPrintOptions, [&] { printed = saveAndPrint(); });
    m_busy = false;
    done(printed ? Accepted : Rejected);
}

bool PrintOptionsDialog::saveAndPrint() {
    const int size = chosenSize();
    UserSettings settings(m_ctx);
    settings.setMaxLines(m_lines->text());
    settings.setFontSize(QString::number(size));
    // The screen repaints before the printer dialog; a second OK meanwhile is kept out by
    // m_busy.
    QCoreApplication::processEvents();

    LinePrinter* printer = m_ctx.printer;
    if (!printer) throw Failure(tr("No printer is available"));
    // A cancelled printer dialog prints nothing; the settings stay stored.
    if (!printer->choosePrinter()) return false;
    printer->setFontSize(size);
    ShoppingListPrintout(m_ctx, m_list, *printer).print(size);
    return true;
}

void PrintOptionsDialog::reject() {
    // While the printout runs the dialog cannot be closed any other way.
    if (!m_busy) QDialog::reject();
}

void PrintOptionsDialog::keyPressEvent(QKeyEvent* event) {
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
