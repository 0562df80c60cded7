#include "info/frmHelp.h"

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

QSize frmHelp::heldSize() {
    return {twips(kClientWidth), twips(kClientHeight)};
}

const QColor& frmHelp::chosenColour() {
    static const QColor maroon(128, 0, 0);
    return maroon;
}

const QColor& frmHelp::otherColour() {
    static const QColor navy(0, 0, 128);
    return navy;
}

frmHelp::frmHelp(Context&, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral(" Cartwise Help Topics"));
    // A sizable frame with minimize and maximize; Form_Resize holds the size.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    useUiFont(this);

    // OK comes first in the focus chain, so Enter presses it from the start.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(240, 3720, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);

    for (int i = 0; i < kHelpTopicCount; ++i) {
        auto* label = new TopicLabel(HelpTopicCaption(i), this);
        label->setObjectName(QStringLiteral("lblTopic%1").arg(i));
        label->setGeometry(twipsRect(240, kTopicTop[i], kTopicWidth[i], 255));
        // A caption wider than its place in the platform's font may use the room up to the
        // text box rather than be cut off.
        const int room = twips(2520 - 240) - 2;
        label->resize(std::min(room, std::max(label->width(), label->sizeHint().width())),
                      label->height());
        setTextColour(label, otherColour());
        connect(label, &TopicLabel::clicked, this, [this, i] { lblTopic_Click(i); });
        lblTopic[static_cast<std::size_t>(i)] = label;
    }

    Label1 = new QLabel(QStringLiteral("Click on topic above to view related help detail."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(240, 2820, 1995, 615));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    txtRich = new QPlainTextEdit(this);
    txtRich->setObjectName(QStringLiteral("txtRich"));
    txtRich->setAccessibleName(QStringLiteral("Help text"));
    txtRich->setGeometry(twipsRect(2520, 240, 4995, 3855));
    // Plain text in one font; the reader may select and copy but not change it.
    txtRich->setFont(uiFont());
    txtRich->setReadOnly(true);
    txtRich->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtRich->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    resize(heldSize());
    callOnResize(this, [this] { Form_Resize(); });
    Form_Load();
}

void frmHelp::Form_Load() {
    // Centred on the screen by the window's outer size.
    centreOnScreen(this, QSize(twips(kOuterWidth), twips(kOuterHeight)));
    setTextColour(lblTopic[0], chosenColour());
    showTopicText(0);
}

void frmHelp::lblTopic_Click(int Index) {
    if (Index < 0 || Index >= kHelpTopicCount) return;
    for (TopicLabel* label : lblTopic)
        setTextColour(label, otherColour());
    setTextColour(lblTopic[static_cast<std::size_t>(Index)], chosenColour());
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    showTopicText(Index);
}

void frmHelp::showTopicText(int index) {
    txtRich->clear();
    // The text box keeps its lines apart with plain line feeds.
    txtRich->setPlainText(HelpTopicText(index).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void frmHelp::cmdOK_Click() {
    accept();
}

// The size is held: a dragged frame snaps back, a maximized window returns to normal; it can
// be minimized.
void frmHelp::Form_Resize() {
    skip([&] { holdSize(this, heldSize(), false); });
}

} // namespace cw
