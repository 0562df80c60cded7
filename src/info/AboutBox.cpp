#include "info/AboutBox.h"

#include "commands/SupportContact.h"
#include "commands/SystemInformation.h"
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

QString AboutBox::versionLine(int major, int minor, int revision) {
    return tr("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QSize AboutBox::clientSize() {
    return {twips(5730), twips(3555)};
}

AboutBox::AboutBox(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("frmAbout"));
    useUiFont(this);
    setFixedSize(clientSize());
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    // OK first in the focus chain, so Enter presses it from the start.
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(twipsRect(4245, 2625, 1260, 345));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    m_systemInfoButton = new QPushButton(tr("&System Info..."), this);
    m_systemInfoButton->setObjectName(QStringLiteral("cmdSysInfo"));
    m_systemInfoButton->setGeometry(twipsRect(4260, 3075, 1245, 345));
    connect(m_systemInfoButton, &QPushButton::clicked, this,
            [this] { startSystemInformation(m_ctx); });

    m_icon = makeLabel(this, "picIcon", twipsRect(240, 240, 480, 480));
    m_icon->setPixmap(AppIcon(m_icon->width()));

    m_title = makeLabel(this, "lblTitle", twipsRect(1050, 240, 3885, 480));
    QFont titleFont = uiFont();
    titleFont.setPointSizeF(13.5);
    titleFont.setWeight(QFont::Normal);
    m_title->setFont(titleFont);

    m_version = makeLabel(this, "lblVersion", twipsRect(1050, 780, 3885, 225));

    m_description = makeLabel(this, "lblDescription", twipsRect(1050, 1125, 3885, 1170));
    m_description->setWordWrap(true);
    setBlackText(m_description);

    m_disclaimer = makeLabel(this, "lblDisclaimer", twipsRect(255, 2625, 3870, 825));
    m_disclaimer->setWordWrap(true);
    setBlackText(m_disclaimer);

    setWindowTitle(tr("About %1").arg(appTitle()));
    m_version->setText(versionLine(kVersionMajor, kVersionMinor, kVersionRevision));
    m_title->setText(appTitle());
    m_description->setText(tr("Cartwise is a program that helps you to budget your shopping "
                              "activities and make them more efficient."));
    m_disclaimer->setText(tr("Cartwise is made by %1. It is provided as is, without warranty of "
                             "any kind.")
                              .arg(QString::fromUtf8(support::kCompany)));
}

void AboutBox::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched separator: a grey line with a white line of two pixels just below it.
    QPainter p(this);
    const QRect grey = twipsRect(90, 2445, 5654 - 90, 0);
    p.fillRect(grey.x(), grey.y(), grey.width(), 1, QColor(0x80, 0x80, 0x80));
    const QRect white = twipsRect(105, 2460, 5654 - 105, 0);
    p.fillRect(white.x(), white.y(), white.width(), 2, Qt::white);
}

} // namespace cw
