#include "phone/PhoneListDialog.h"

#include "commands/Checklist.h"
#include "core/ReportPrefixes.h"
#include "core/Trap.h"
#include "model/ShoppingListModel.h"
#include "phone/QrCode.h"
#include "widgets/Guard.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw {

PhoneListDialog::PhoneListDialog(Context& ctx, const ShoppingListModel& list, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_parts(split(phoneText(list))) {
    setObjectName(QStringLiteral("phoneDialog"));
    setWindowTitle(tr("Show List on Phone"));
    auto* intro = new QLabel(
        tr("Point your phone's camera at the code: it reads the list as text. Nothing leaves "
           "this computer except through the screen."),
        this);
    intro->setWordWrap(true);
    m_code = new QLabel(this);
    m_code->setObjectName(QStringLiteral("phoneCode"));
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setAccessibleName(tr("QR code of the shopping list"));
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("phoneCodeNumber"));
    m_number->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(this);
    m_back = buttons->addButton(tr("&Back"), QDialogButtonBox::ActionRole);
    m_back->setObjectName(QStringLiteral("phoneBack"));
    m_next = buttons->addButton(tr("&Next"), QDialogButtonBox::ActionRole);
    m_next->setObjectName(QStringLiteral("phoneNext"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("phoneClose"));
    close->setDefault(true);
    m_back->setVisible(m_parts.size() > 1);
    m_next->setVisible(m_parts.size() > 1);
    connect(m_back, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { showPart(m_shown - 1); }); });
    connect(m_next, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { showPart(m_shown + 1); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_code, 1);
    layout->addWidget(m_number);
    layout->addWidget(buttons);
    showPart(0);
    setFixedWidth(sizeHint().width());
}

QStringList PhoneListDialog::split(const QString& text) {
    QStringList parts;
    QString part;
    for (const QString& line : text.split(u'\n')) {
        // The room left for the part's number, "999 of 999" and a line end.
        if (!part.isEmpty() && (part + line).toUtf8().size() + 12 > kMostBytes) {
            parts << part;
            part.clear();
        }
        part += line + u'\n';
    }
    parts << part;
    for (QString& p : parts)
        p.chop(1); // the last line end
    if (parts.size() > 1)
        for (int i = 0; i < parts.size(); ++i)
            parts[i] = tr("%1 of %2").arg(i + 1).arg(parts.size()) + u'\n' + parts[i];
    return parts;
}

void PhoneListDialog::showPart(int part) {
    trap(m_ctx, prefix::kShowOnPhone, [&] {
        if (part < 0 || part >= m_parts.size()) return;
        m_shown = part;
        const QrCode code(m_parts[part].toUtf8());
        // Modules of 4 pixels at least, and a code of about 300 pixels.
        const int scale = std::max(4, 300 / (code.modules() + 8));
        m_code->setPixmap(QPixmap::fromImage(code.image(scale)));
        m_number->setText(m_parts.size() > 1 ? tr("%1 of %2").arg(part + 1).arg(m_parts.size())
                                             : QString());
        m_back->setEnabled(part > 0);
        m_next->setEnabled(part + 1 < m_parts.size());
    });
}

} // namespace cw
