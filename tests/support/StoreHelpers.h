#pragma once
// Helpers shared by the store tests: list contents, the sort list, failures and the exact
// text and frame of an error report.
#include "TestContext.h"
#include "core/Failure.h"
#include "store/SortedList.h"
#include "store/cSourceItem.h"

#include <QStringList>
#include <cstring>
#include <gtest/gtest.h>

namespace cw::test {

// A deleted (or never written) item record: spaces around a category ID of zero.
inline const QByteArray kBlankItem = itemRecord({});

// A list's entries in order as "text=item data, ...".
inline QString entries(const ListTarget& lb) {
    QStringList out;
    for (int i = 0; i < lb.count(); ++i)
        out << lb.text(i) + '=' + QString::number(lb.itemData(i));
    return out.join(", ");
}

// The shopping list's sort list in the order the caption names, as "caption: entries" with
// the caption as the store leaves it.
inline QString sortList(Context& ctx, QString caption) {
    SortedList lb;
    EXPECT_TRUE(cSourceItem(ctx).blnRefreshSortList(lb, caption)) << caption.toStdString();
    return caption + ": " + entries(lb);
}

// The platform's description of an errno value, as the file layer reports it.
inline QString sysError(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

template <class F> void expectFailure(F&& operation, const QString& description) {
    try {
        operation();
        ADD_FAILURE() << "no failure, expected " << description.toStdString();
    } catch (const Failure& f) {
        EXPECT_EQ(QString::fromUtf8(f.what()), description); // kept as UTF-8
    }
}

// Exactly one box since the last clear(): the error report with this text, information icon,
// OK only, empty caption. Clears the record.
inline void expectOneReport(FakePrompts& prompts, const QString& prefix, const QString& text) {
    ASSERT_EQ(prompts.boxes.size(), 1u) << prefix.toStdString();
    const Box& b = prompts.boxes.front();
    EXPECT_EQ(b.text + '|' + b.caption, "An error has occured: \r\n" + prefix + text + ".|");
    EXPECT_TRUE(b.kind == Box::Message && b.icon == MsgIcon::Information &&
                b.buttons == MsgButtons::Ok);
    prompts.clear();
}

} // namespace cw::test
