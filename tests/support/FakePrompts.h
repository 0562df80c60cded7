#pragma once
// Scripted prompts: every box shown is recorded; Yes/No questions and input boxes take their
// answers from a queue, and a question with no answer queued fails the test. OK boxes need
// no answer.
#include "core/Prompts.h"

#include <QString>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

namespace cw::test {

struct Box {
    enum Kind { Message, Input } kind;
    QString text; // message text or input prompt
    QString caption;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString defaultText;
};

class FakePrompts : public Prompts {
public:
    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                      const QString& caption) override;
    QString input(const QString& prompt, const QString& caption,
                  const QString& defaultText) override;

    void answerYes() { m_answers.emplace_back(MsgAnswer::Yes); }
    void answerNo() { m_answers.emplace_back(MsgAnswer::No); }
    void answerInput(const QString& text) { m_answers.emplace_back(text); }

    std::vector<Box> boxes;
    // Texts of the message boxes shown, in order.
    std::vector<QString> messages() const;
    void clear() { boxes.clear(); }
    bool allAnswersUsed() const { return m_answers.empty(); }
    // A hook that runs when a box is shown (to check the program's state at that moment).
    std::function<void(const Box&)> onShow;

private:
    std::deque<std::variant<MsgAnswer, QString>> m_answers;
};

} // namespace cw::test
