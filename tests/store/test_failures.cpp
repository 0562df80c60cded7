// Real failures of the file layer and how each store operation meets them: the trapped ones
// close the file and show exactly one report in the fixed frame; the others pass a
// cw::Failure with the platform's description to their caller and show nothing.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/Failure.h"
#include "store/RecordFile.h"
#include "store/SortedList.h"
#include "store/Trap.h"
#include "store/cCategory.h"
#include "store/cError.h"
#include "store/cSourceItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

template <class F> void expectFailure(F&& operation, const QString& description) {
    try {
        operation();
        ADD_FAILURE() << "no failure, expected " << description.toStdString();
    } catch (const Failure& f) {
        EXPECT_EQ(QString::fromLocal8Bit(f.what()), description);
    }
}

// Whether this process holds a descriptor open on the file.
bool isOpen(const QString& path) {
    const QString target = QFileInfo(path).absoluteFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == target) return true;
    return false;
}

// Every category operation fails on open, each with its own report.
void expectCategoryStoreFails(TestContext& t, const QString& description) {
    cCategory c(t.ctx);
    c.strCategory = "Dairy";
    EXPECT_FALSE(c.blnFindRecord(1));
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", description);
    EXPECT_FALSE(c.blnDeleteRecord(1));
    expectOneReport(t.prompts, "cCategory.blnDeleteRecord_Error: ", description);
    SortedList lb;
    lb.addEntry("stale", 1);
    EXPECT_FALSE(c.blnRefreshList(lb));
    EXPECT_EQ(lb.count(), 0);
    expectOneReport(t.prompts, "cCategory.blnRefreshList_Error: ", description);
    EXPECT_EQ(c.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cCategory.lngAddRecord_Error: ", description);
    EXPECT_FALSE(c.blnEditRecord(1));
    expectOneReport(t.prompts, "cCategory.blnEditRecord_Error: ", description);
    EXPECT_EQ(GetCategoryName(t.ctx, 1), "");
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", description);
}

// Every item operation fails on open: the trapped ones report, the others throw.
void expectSourceItemStoreFails(TestContext& t, const QString& description) {
    cSourceItem s(t.ctx);
    s.strItem = "Milk";
    s.lngCatID = 1;
    EXPECT_EQ(s.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cSourceItem.lngAddRecord_Error: ", description);
    EXPECT_FALSE(s.blnEditRecord(1));
    expectOneReport(t.prompts, "cSourceItem.blnEditRecord_Error: ", description);
    SortedList lb;
    lb.addEntry("stale", 1);
    QString strSort = "Sorted by Item";
    EXPECT_FALSE(s.blnRefreshSortList(lb, strSort));
    EXPECT_EQ(lb.count(), 0);
    expectOneReport(t.prompts, "cSourceItem.blnRefreshSortList_Error: ", description);
    EXPECT_FALSE(s.blnSelectRecord(1, "2"));
    expectOneReport(t.prompts, "cSourceItem.blnSelectRecord_Error: ", description);
    EXPECT_FALSE(s.blnUnselectRecord(1));
    expectOneReport(t.prompts, "cSourceItem.blnUnSelectRecord_Error: ", description);

    expectFailure([&] { s.blnFindRecord(1); }, description);
    expectFailure([&] { s.blnDeleteRecord(1); }, description);
    expectFailure([&] { s.blnRefreshList(lb, 1); }, description);
    expectFailure([&] { s.blnDeleteCategory(1); }, description);
    expectFailure([&] { s.blnClearSelections(); }, description);
    expectFailure([&] { s.Calculate(); }, description);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

} // namespace

TEST(StoreFailures, DirectoryWhereTheFileShouldBe) {
    TestContext t;
    ASSERT_TRUE(QDir().mkdir(t.catFile()));
    ASSERT_TRUE(QDir().mkdir(t.srcFile()));
    expectCategoryStoreFails(t, sysError(EISDIR));
    expectSourceItemStoreFails(t, sysError(EISDIR));
}

TEST(StoreFailures, MissingDirectory) {
    TestContext t;
    t.ctx.dataDir = t.dir.path() + "/gone";
    expectCategoryStoreFails(t, sysError(ENOENT));
    expectSourceItemStoreFails(t, sysError(ENOENT));
    EXPECT_FALSE(QFileInfo::exists(t.ctx.dataDir));
}

TEST(StoreFailures, FullDiskOnEveryWrite) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    TestContext t;
    const QString full = sysError(ENOSPC);
    cCategory c(t.ctx);
    c.strFileName = "/dev/full";
    c.strCategory = "Dairy";
    EXPECT_EQ(c.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cCategory.lngAddRecord_Error: ", full);
    EXPECT_FALSE(c.blnEditRecord(1));
    expectOneReport(t.prompts, "cCategory.blnEditRecord_Error: ", full);
    EXPECT_FALSE(c.blnDeleteRecord(2));
    expectOneReport(t.prompts, "cCategory.blnDeleteRecord_Error: ", full);

    cSourceItem s(t.ctx);
    s.strFileName = "/dev/full";
    s.strItem = "Milk";
    s.lngCatID = 1;
    EXPECT_EQ(s.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cSourceItem.lngAddRecord_Error: ", full);
    EXPECT_FALSE(s.blnEditRecord(1));
    expectOneReport(t.prompts, "cSourceItem.blnEditRecord_Error: ", full);
    EXPECT_FALSE(s.blnSelectRecord(1, "2"));
    expectOneReport(t.prompts, "cSourceItem.blnSelectRecord_Error: ", full);
    EXPECT_FALSE(s.blnUnselectRecord(3));
    expectOneReport(t.prompts, "cSourceItem.blnUnSelectRecord_Error: ", full);
    expectFailure([&] { s.blnDeleteRecord(1); }, full);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(StoreFailures, BadRecordNumbers) {
    TestContext t;
    const QByteArray cats = categoryRecord("Dairy");
    const QByteArray items = itemRecord({"Milk", "2", "1.29", "", 1, "05", "Y", "2"});
    writeFile(t.catFile(), cats);
    writeFile(t.srcFile(), items);
    const QString bad = QStringLiteral("Bad record number");

    cCategory c(t.ctx);
    c.strCategory = "x";
    EXPECT_FALSE(c.blnFindRecord(0));
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", bad);
    EXPECT_FALSE(c.blnDeleteRecord(-1));
    expectOneReport(t.prompts, "cCategory.blnDeleteRecord_Error: ", bad);
    EXPECT_FALSE(c.blnEditRecord(0));
    expectOneReport(t.prompts, "cCategory.blnEditRecord_Error: ", bad);
    EXPECT_EQ(GetCategoryName(t.ctx, 0), "");
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", bad);

    cSourceItem s(t.ctx);
    EXPECT_FALSE(s.blnEditRecord(0));
    expectOneReport(t.prompts, "cSourceItem.blnEditRecord_Error: ", bad);
    EXPECT_FALSE(s.blnSelectRecord(0, "1"));
    expectOneReport(t.prompts, "cSourceItem.blnSelectRecord_Error: ", bad);
    EXPECT_FALSE(s.blnUnselectRecord(-7));
    expectOneReport(t.prompts, "cSourceItem.blnUnSelectRecord_Error: ", bad);
    expectFailure([&] { s.blnFindRecord(0); }, bad);
    expectFailure([&] { s.blnDeleteRecord(-1); }, bad);
    EXPECT_TRUE(t.prompts.boxes.empty());

    EXPECT_EQ(readFile(t.catFile()), cats);
    EXPECT_EQ(readFile(t.srcFile()), items);
}

TEST(StoreFailures, TheFileIsClosedBeforeTheReportIsShown) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.29", "", 1, "05", "Y", "2"}));
    writeFile(t.catFile(), categoryRecord("Dairy"));
    int shown = 0;
    t.prompts.onShow = [&](const Box&) {
        ++shown;
        EXPECT_FALSE(isOpen(t.srcFile()));
        EXPECT_FALSE(isOpen(t.catFile()));
    };
    {
        // The check itself must see an open file while one is open.
        RecordFile probe(t.srcFile(), 235);
        EXPECT_TRUE(isOpen(t.srcFile()));
    }
    EXPECT_FALSE(isOpen(t.srcFile()));
    cSourceItem s(t.ctx);
    s.blnSelectRecord(0, "1");
    cCategory c(t.ctx);
    c.blnFindRecord(0);
    EXPECT_EQ(shown, 2);
    expectFailure([&] { s.blnFindRecord(0); }, "Bad record number");
    EXPECT_FALSE(isOpen(t.srcFile()));
}

TEST(StoreFailures, UnreadableCategoryFileIsReportedOncePerSortListRebuild) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"Milk", "1", "1", "", 1, "", "Y", "1"}) +
                               itemRecord({"Bread", "1", "1", "", 2, "", "Y", "1"}) +
                               itemRecord({"Jam", "1", "1", "", 2, "", "Y", "1"}));
    ASSERT_TRUE(QDir().mkdir(t.catFile()));
    SortedList lb;
    QString strSort = "Sorted by Category";
    cSourceItem s(t.ctx);
    EXPECT_TRUE(s.blnRefreshSortList(lb, strSort));
    EXPECT_EQ(entries(lb), (Entries{{".Bread", 2}, {".Jam", 3}, {".Milk", 1}}));
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", sysError(EISDIR));
    // Other orders never look a category up.
    strSort = "Sorted by Item";
    EXPECT_TRUE(s.blnRefreshSortList(lb, strSort));
    EXPECT_EQ(lb.count(), 3);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(ErrorReport, FrameStaysWithAnEmptyDescription) {
    TestContext t;
    EXPECT_FALSE(t.ctx.hasObjError());
    EXPECT_FALSE(trap(t.ctx, "frmMain.RemoveItem_Error: ", [] { throw Failure(""); }));
    expectOneReport(t.prompts, "frmMain.RemoveItem_Error: ", "");
    ASSERT_TRUE(t.ctx.hasObjError());
    EXPECT_EQ(t.ctx.objError().strError, "frmMain.RemoveItem_Error: ");
    EXPECT_TRUE(trap(t.ctx, "unused: ", [] {}));
    EXPECT_TRUE(t.prompts.boxes.empty());
}
