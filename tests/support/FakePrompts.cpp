#include "FakePrompts.h"

#include <gtest/gtest.h>

namespace cw::test {

MsgAnswer FakePrompts::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                               const QString& caption) {
    boxes.push_back(Box{Box::Message, text, caption, buttons, icon, {}});
    if (onShow) onShow(boxes.back());
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (m_answers.empty() || !std::holds_alternative<MsgAnswer>(m_answers.front())) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return MsgAnswer::No;
    }
    const MsgAnswer a = std::get<MsgAnswer>(m_answers.front());
    m_answers.pop_front();
    return a;
}

QString FakePrompts::input(const QString& prompt, const QString& caption,
                           const QString& defaultText) {
    boxes.push_back(Box{Box::Input, prompt, caption, MsgButtons::Ok, MsgIcon::None, defaultText});
    if (onShow) onShow(boxes.back());
    if (m_answers.empty() || !std::holds_alternative<QString>(m_answers.front())) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return QString();
    }
    const QString a = std::get<QString>(m_answers.front());
    m_answers.pop_front();
    return a;
}

std::vector<QString> FakePrompts::messages() const {
    std::vector<QString> out;
    for (const Box& b : boxes)
        if (b.kind == Box::Message) out.push_back(b.text);
    return out;
}

} // namespace cw::test
