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
inline const QByteArray kBlankItem =
    QByteArray(120, ' ') + QByteArray(4, '\0') + QByteArray(111, ' ');

// A list's entries in order as "text=item data, ...".
inline QString entries(const ListTarget& lb) {
    QStringList out;
    for (int i = 0; i < lb.count(); ++i)
        out << lb.text(i) + '=' + QString::number(lb.itemData(i));
    return out.join(", ");
}

inline QString sortList(Context& ctx, const QString& mode) {
    SortedList lb;
    QString strSort = mode;
    cSourceItem s(ctx);
    EXPECT_TRUE(s.blnRefreshSortList(lb, strSort)) << mode.toStdString();
    return entries(lb);
}

// An item's fields in record order, the category ID as text, and the reverse.
inline QStringList fields(const cSourceItem& s) {
    return QStringList() << s.strItem << s.strQuantity << s.strCost << s.strSize
                         << QString::number(s.lngCatID) << s.strIsle << s.strSelectedYN
                         << s.strSelectedQuantity;
}
inline void setFields(cSourceItem& s, const QStringList& f) {
    s.strItem = f[0], s.strQuantity = f[1], s.strCost = f[2], s.strSize = f[3];
    s.lngCatID = f[4].toInt(), s.strIsle = f[5], s.strSelectedYN = f[6];
    s.strSelectedQuantity = f[7];
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
        EXPECT_EQ(QString::fromLocal8Bit(f.what()), description);
    }
}

// Exactly one box since the last clear(): the error report with this text, information icon,
// OK only, empty caption. Clears the record.
inline void expectOneReport(FakePrompts& prompts, const QString& prefix,
                            const QString& description) {
    ASSERT_EQ(prompts.boxes.size(), 1u) << prefix.toStdString();
    const Box& b = prompts.boxes.front();
    EXPECT_EQ(b.text, "An error has occured: \r\n" + prefix + description + '.');
    EXPECT_TRUE(b.kind == Box::Message && b.icon == MsgIcon::Information &&
                b.buttons == MsgButtons::Ok && b.caption.isEmpty());
    prompts.clear();
}

} // namespace cw::test
