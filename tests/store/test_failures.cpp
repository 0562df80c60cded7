// Real failures of the file layer and how each store operation meets them: the trapped ones
// close the file and show exactly one report; the others pass a Failure with the platform's
// description to their caller and show nothing.
#include "StoreHelpers.h"
#include "store/RecordFile.h"
#include "store/cCategory.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <functional>
#include <tuple>

using namespace cw;
using namespace cw::test;

namespace {

// How many descriptors this process holds open on these files.
int openCount(const QStringList& paths) {
    int n = 0;
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::Files | QDir::System))
        n += paths.contains(fd.symLinkTarget());
    return n;
}

} // namespace

TEST(StoreFailures, TrappedOperationsReportEachFailureAndTheOthersThrowIt) {
    enum Kind { Directory, Missing, Full };
    const std::tuple<const char*, Kind, QString> failures[] = {
        {"a directory where the file should be", Directory, sysError(EISDIR)},
        {"a missing directory", Missing, sysError(ENOENT)},
        {"a full disk", Full, sysError(ENOSPC)}};
    for (const auto& [name, kind, description] : failures) {
        SCOPED_TRACE(name);
        const bool onWriteOnly = kind == Full;
        if (onWriteOnly && !QFileInfo::exists("/dev/full")) continue;
        TestContext t;
        if (kind == Missing)
            t.ctx.dataDir = t.path("gone");
        else
            for (const QString& file : {t.catFile(), t.srcFile()})
                kind == Full ? QFile::link("/dev/full", file) : QDir().mkdir(file);
        QStringList paths{QFileInfo(t.catFile()).canonicalFilePath(),
                          QFileInfo(t.srcFile()).canonicalFilePath()};
        paths.removeAll(QString());
        if (onWriteOnly) {
            RecordFile probe(t.srcFile(), 235);
            EXPECT_EQ(openCount(paths), 1); // the count sees a file that is open
        }
        t.prompts.onShow = [&](const Box&) { EXPECT_EQ(openCount(paths), 0); };
        cCategory c(t.ctx);
        c.strCategory = "Dairy";
        cSourceItem s(t.ctx);
        setFields(s, {"Milk", "1", "1.29", "", "1", "", "Y", "1"});
        SortedList lb;
        QString strSort = "Sorted by Item";
        // Each returns false when it failed. Those without a report's prefix have no trap.
        const std::tuple<const char*, bool, std::function<bool()>> operations[] = {
            {"cCategory.blnFindRecord_Error: ", false, [&] { return c.blnFindRecord(1); }},
            {"cCategory.blnDeleteRecord_Error: ", true, [&] { return c.blnDeleteRecord(1); }},
            {"cCategory.blnRefreshList_Error: ", false,
             [&] { return c.blnRefreshList(lb) || lb.count(); }},
            {"cCategory.lngAddRecord_Error: ", true, [&] { return c.lngAddRecord() > 0; }},
            {"cCategory.blnEditRecord_Error: ", true, [&] { return c.blnEditRecord(1); }},
            {"cCategory.blnFindRecord_Error: ", false,
             [&] { return GetCategoryName(t.ctx, 1) != ""; }},
            {"cSourceItem.lngAddRecord_Error: ", true, [&] { return s.lngAddRecord() > 0; }},
            {"cSourceItem.blnEditRecord_Error: ", true, [&] { return s.blnEditRecord(1); }},
            {"cSourceItem.blnRefreshSortList_Error: ", false,
             [&] { return s.blnRefreshSortList(lb, strSort) || lb.count(); }},
            {"cSourceItem.blnSelectRecord_Error: ", true,
             [&] { return s.blnSelectRecord(1, "2"); }},
            {"cSourceItem.blnUnSelectRecord_Error: ", true, [&] { return s.blnUnselectRecord(1); }},
            {"", false, [&] { return s.blnFindRecord(1); }},
            {"", true, [&] { return s.blnDeleteRecord(1); }},
            {"", false, [&] { return s.blnRefreshList(lb, 1); }},
            {"", false, [&] { return s.blnDeleteCategory(1); }},
            {"", false, [&] { return s.blnClearSelections(); }},
            {"", false, [&] { return s.Calculate().units() == 0; }}};
        for (const auto& [prefix, writes, run] : operations) {
            if (onWriteOnly && !writes) continue;
            SCOPED_TRACE(prefix);
            lb.addEntry("stale", 1); // a list that fails to refresh is left empty
            if (*prefix) {
                EXPECT_FALSE(run());
                expectOneReport(t.prompts, prefix, description);
            } else {
                expectFailure(run, description);
                EXPECT_TRUE(t.prompts.boxes.empty());
            }
        }
        EXPECT_EQ(openCount(paths), 0);
        EXPECT_FALSE(QFileInfo::exists(t.path("gone")));
    }
}

TEST(StoreFailures, RecordNumbersBelowOneAreRefused) {
    TestContext t;
    cSourceItem s(t.ctx);
    EXPECT_FALSE(s.blnSelectRecord(0, "1"));
    expectOneReport(t.prompts, "cSourceItem.blnSelectRecord_Error: ", "Bad record number");
    expectFailure([&] { s.blnDeleteRecord(-1); }, "Bad record number");
    EXPECT_EQ(GetCategoryName(t.ctx, 0), "");
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", "Bad record number");
    EXPECT_EQ(readFile(t.srcFile()), ""); // nothing was written
}
