#pragma once
// Small helpers shared by the store tests: list contents, the exact text of an error report
// and a check that exactly that one report was shown.
#include "FakePrompts.h"
#include "TestContext.h"
#include "store/ListTarget.h"

#include <QString>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>


namespace cw::test {

using Entries = std::vector<std::pair<QString, qint32>>;

inline Entries entries(const ListTarget& lb) {
    Entries out;
    for (int i = 0; i < lb.count(); ++i)
        out.emplace_back(lb.text(i), lb.itemData(i));
    return out;
}

// The platform's description of an errno value, as the file layer reports it.
inline QString sysError(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

inline QString errorReport(const QString& prefix, const QString& description) {
    return QStringLiteral("An error has occured: \r\n") + prefix + description + '.';
}

// Exactly one box was shown since the last clear(): the error report with this text, in the
// reporter's frame (information icon, OK only, empty caption). Clears the record.
inline void expectOneReport(FakePrompts& prompts, const QString& prefix,
                            const QString& description) {
    ASSERT_EQ(prompts.boxes.size(), 1u) << "boxes shown";
    const Box& b = prompts.boxes.front();
    EXPECT_EQ(b.kind, Box::Message);
    EXPECT_EQ(b.text, errorReport(prefix, description));
    EXPECT_EQ(b.icon, MsgIcon::Information);
    EXPECT_EQ(b.buttons, MsgButtons::Ok);
    EXPECT_TRUE(b.caption.isEmpty());
    prompts.clear();
}

} // namespace cw::test
