#include "info/frmAbout.h"

#include "commands/SupportContact.h"
#include "commands/SysInfo.h"
#include "core/Context.h"
#include "core/Prompts.h"
#include "core/Version.h"
#include "widgets/AppIcon.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace cw {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setBlackText(QWidget* w) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(palette);
}

} // namespace

QString frmAbout::VersionLine(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QSize frmAbout::clientSize() {
    return {twips(5730), twips(3555)};
}

frmAbout::frmAbout(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("frmAbout"));
    useUiFont(this);
    setFixedSize(clientSize());
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    // OK first in the focus chain, so Enter presses it from the start.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(twipsRect(4260, 3075, 1245, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    picIcon = makeLabel(this, "picIcon", twipsRect(240, 240, 480, 480));
    picIcon->setPixmap(AppIcon(picIcon->width()));

    lblTitle = makeLabel(this, "lblTitle", twipsRect(1050, 240, 3885, 480));
    QFont titleFont = uiFont();
    titleFont.setPointSizeF(13.5);
    titleFont.setWeight(QFont::Normal);
    lblTitle->setFont(titleFont);

    lblVersion = makeLabel(this, "lblVersion", twipsRect(1050, 780, 3885, 225));

    lblDescription = makeLabel(this, "lblDescription", twipsRect(1050, 1125, 3885, 1170));
    lblDescription->setWordWrap(true);
    setBlackText(lblDescription);

    lblDisclaimer = makeLabel(this, "lblDisclaimer", twipsRect(255, 2625, 3870, 825));
    lblDisclaimer->setWordWrap(true);
    setBlackText(lblDisclaimer);

    Form_Load();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + appTitle());
    lblVersion->setText(VersionLine(kVersionMajor, kVersionMinor, kVersionRevision));
    lblTitle->setText(appTitle());
    lblDescription->setText(QStringLiteral("Cartwise is a program that helps you to budget your "
                                           "shopping activities and make them more efficient."));
    lblDisclaimer->setText(QStringLiteral("Cartwise is made by %1. It is provided as is, "
                                          "without warranty of any kind.")
                               .arg(QString::fromUtf8(support::kCompany)));
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(m_ctx);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched separator: a grey line with a white line of two pixels just below it.
    QPainter p(this);
    const QRect grey = twipsRect(90, 2445, 5654 - 90, 0);
    p.fillRect(grey.x(), grey.y(), grey.width(), 1, QColor(0x80, 0x80, 0x80));
    const QRect white = twipsRect(105, 2460, 5654 - 105, 0);
    p.fillRect(white.x(), white.y(), white.width(), 2, Qt::white);
}

} // namespace cw
