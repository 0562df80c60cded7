#pragma once
// The help topics window: a column of topic labels on the left, the chosen topic's text on
// the right. Shown modally; its size is held.
#include "info/HelpTopics.h"

#include <QDialog>
#include <QSize>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace cw {

class Context;
class TopicLabel;

class frmHelp : public QDialog {
    Q_OBJECT
public:
    frmHelp(Context& ctx, QWidget* parent = nullptr);

    // The size the window keeps (its client area).
    static QSize heldSize();
    // Label colours: the chosen topic and the others.
    static const QColor& chosenColour();
    static const QColor& otherColour();

    // Shows topic Index (0 to 4) and marks its label.
    void lblTopic_Click(int Index);
    void cmdOK_Click();

private:
    void Form_Load();
    void Form_Resize();
    void showTopicText(int index);

    std::array<TopicLabel*, kHelpTopicCount> lblTopic{};
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPlainTextEdit* txtRich = nullptr;
};

} // namespace cw
