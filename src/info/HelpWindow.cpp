#include "info/HelpWindow.h"

#include "core/Trap.h"
#include "widgets/TopicLabel.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace cw {

namespace {

// The window as drawn: its outer size, and the client area inside the frame.
constexpr int kOuterWidth = 7845;
constexpr int kOuterHeight = 4800;
constexpr int kClientWidth = 7725;
constexpr int kClientHeight = 4395;

// Where each topic label stands: top and width (all start at 240 and are 255 high).
constexpr int kTopicTop[kHelpTopicCount] = {300, 720, 1140, 1560, 1980};
constexpr int kTopicWidth[kHelpTopicCount] = {1935, 1935, 2055, 1935, 1935};

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

} // namespace

QSize HelpWindow::heldSize() {
    return {twips(kClientWidth), twips(kClientHeight)};
}

const QColor& HelpWindow::chosenColour() {
    static const QColor maroon(128, 0, 0);
    return maroon;
}

const QColor& HelpWindow::otherColour() {
    static const QColor navy(0, 0, 128);
    return navy;
}

HelpWindow::HelpWindow(Context&, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr(" Cartwise Help Topics"));
    // A sizable frame with minimize and maximize; the size is held (below).
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    useUiFont(this);

    // OK comes first in the focus chain, so Enter presses it from the start.
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(twipsRect(240, 3720, 1260, 345));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    for (int i = 0; i < kHelpTopicCount; ++i) {
        auto* label = new TopicLabel(helpTopicCaption(i), this);
        label->setObjectName(QStringLiteral("lblTopic%1").arg(i));
        label->setGeometry(twipsRect(240, kTopicTop[i], kTopicWidth[i], 255));
        // A caption wider than its place in the platform's font may use the room up to the
        // text box rather than be cut off.
        const int room = twips(2520 - 240) - 2;
        label->resize(std::min(room, std::max(label->width(), label->sizeHint().width())),
                      label->height());
        setTextColour(label, otherColour());
        connect(label, &TopicLabel::clicked, this, [this, i] { showTopic(i); });
        m_topics[static_cast<std::size_t>(i)] = label;
    }

    m_hint = new QLabel(tr("Click on topic above to view related help detail."), this);
    m_hint->setObjectName(QStringLiteral("Label1"));
    m_hint->setGeometry(twipsRect(240, 2820, 1995, 615));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtRich"));
    m_text->setAccessibleName(tr("Help text"));
    m_text->setGeometry(twipsRect(2520, 240, 4995, 3855));
    // Plain text in one font; the reader may select and copy but not change it.
    m_text->setFont(uiFont());
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    resize(heldSize());
    // The size is held: a dragged frame snaps back, a maximized window returns to normal; it
    // can be minimized.
    callOnResize(this, [this] { skip([&] { holdSize(this, heldSize(), false); }); });

    // Opens centred on the screen by the window's outer size, on the first topic.
    centreOnScreen(this, QSize(twips(kOuterWidth), twips(kOuterHeight)));
    setTextColour(m_topics[0], chosenColour());
    showTopicText(0);
}

void HelpWindow::showTopic(int index) {
    if (index < 0 || index >= kHelpTopicCount) return;
    for (TopicLabel* label : m_topics)
        setTextColour(label, otherColour());
    setTextColour(m_topics[static_cast<std::size_t>(index)], chosenColour());
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    showTopicText(index);
}

void HelpWindow::showTopicText(int index) {
    m_text->clear();
    // The text box keeps its lines apart with plain line feeds.
    m_text->setPlainText(helpTopicText(index).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

} // namespace cw
