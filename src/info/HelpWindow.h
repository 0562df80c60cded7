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

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(Context& ctx, QWidget* parent = nullptr);

    // The size the window keeps (its client area).
    static QSize heldSize();
    // Label colours: the chosen topic and the others.
    static const QColor& chosenColour();
    static const QColor& otherColour();

    // Shows topic `index` (0 to 4) and marks its label; another index does nothing.
    void showTopic(int index);

private:
    void showTopicText(int index);

    std::array<TopicLabel*, kHelpTopicCount> m_topics{};
    QLabel* m_hint = nullptr;
    QPushButton* m_okButton = nullptr;
    QPlainTextEdit* m_text = nullptr;
};

} // namespace cw
