// What goes wrong with the files. A damaged file (tests/data, see its README) is
// read without a crash, missing bytes as blanks. Of the operations that meet a real failure of
// the file layer, the trapped ones close the file and show exactly one report; the others pass
// a Failure with the platform's description to their caller and show nothing.
#include "TestContext.h"
#include "store/RecordFile.h"
#include "store/cCategory.h"

#include <QDir>
#include <QScopeGuard>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace cw;
using namespace cw::test;

TEST(StoreFailures, TrappedOperationsReportEachFailureAndTheOthersThrowIt) {
    // The kinds of failure: a missing data directory (M), a full disk (F, met by the operations
    // that write) and record number 0 (N, met by those given a record number).
    enum Kind { M = 1, F = 2, N = 4 };
    const std::pair<Kind, QString> kinds[] = {
        {M, sysError(ENOENT)}, {F, sysError(ENOSPC)}, {N, "Bad record number"}};
    for (const auto& [kind, description] : kinds) {
        TestContext t;
        if (kind == M) t.ctx.dataDir = t.path("gone");
        for (const QString& file : {t.catFile(), t.srcFile()})
            ASSERT_TRUE(kind != F || QFile::link("/dev/full", file));
        // The failed operation's file is closed before the report is shown.
        const auto openFiles = QDir("/proc/self/fd").count();
        t.prompts.onShow = [&](const Box&) { EXPECT_EQ(QDir("/proc/self/fd").count(), openFiles); };
        const qint32 id = kind == N ? 0 : 1;
        cCategory c(t.ctx);
        cSourceItem s(t.ctx);
        SortedList lb;
        QString caption = "Sorted by Item";
        // Each returns false when it failed. Those without a report's prefix have no trap.
        const std::tuple<const char*, int, std::function<bool()>> operations[] = {
            {"cCategory.blnFindRecord", M | N, [&] { return c.blnFindRecord(id); }},
            {"cCategory.blnDeleteRecord", M | F | N, [&] { return c.blnDeleteRecord(id); }},
            {"cCategory.blnRefreshList", M, [&] { return c.blnRefreshList(lb) || lb.count(); }},
            {"cCategory.lngAddRecord", M | F, [&] { return c.lngAddRecord(); }},
            {"cCategory.blnEditRecord", M | F | N, [&] { return c.blnEditRecord(id); }},
            {"cCategory.blnFindRecord", M | N, [&] { return GetCategoryName(t.ctx, id) != ""; }},
            {"cSourceItem.lngAddRecord", M | F, [&] { return s.lngAddRecord(); }},
            {"cSourceItem.blnEditRecord", M | F | N, [&] { return s.blnEditRecord(id); }},
            {"cSourceItem.blnRefreshSortList", M,
             [&] { return s.blnRefreshSortList(lb, caption) || lb.count(); }},
            {"cSourceItem.blnSelectRecord", M | F | N, [&] { return s.blnSelectRecord(id, "2"); }},
            {"cSourceItem.blnUnSelectRecord", M | F | N, [&] { return s.blnUnselectRecord(id); }},
            {"", M | N, [&] { return s.blnFindRecord(id); }},
            {"", M | F | N, [&] { return s.blnDeleteRecord(id); }},
            {"", M, [&] { return s.blnRefreshList(lb, 1); }},
            {"", M, [&] { return s.blnDeleteCategory(1); }},
            {"", M, [&] { return s.blnClearSelections(); }},
            {"", M, [&] { return s.Calculate().units() == 0; }}};
        for (std::size_t row = 0; row < std::size(operations); ++row) {
            const auto& [operation, kindsMet, run] = operations[row];
            if (!(kindsMet & kind)) continue;
            SCOPED_TRACE(testing::Message() << "operations[" << row << "] " << operation);
            lb.addEntry("stale", 1); // a list that fails to refresh is left empty
            if (!*operation) {
                expectFailure(run, description);
                continue;
            }
            EXPECT_FALSE(run());
            expectOneReport(t.prompts, operation, description);
        }
        EXPECT_TRUE(t.prompts.boxes.empty());
        EXPECT_TRUE(kind != N || readFile(t.srcFile()) + readFile(t.catFile()) == ""); // no writes
    }
}

TEST(StoreFailures, AnAppendCutShortIsReportedAndCutBackOff) {
    TestContext t;
    cSourceItem s(t.ctx);
    s.lngCatID = 1; // a record with a category is never a free slot
    ASSERT_TRUE(s.lngAddRecord() == 1 && s.lngAddRecord() == 2);
    // Files may not grow past 100 bytes after the two records: an append writes part of its
    // record, then fails with EFBIG. The limit and SIGXFSZ are restored however the test ends.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const auto restore = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    });
    const rlimit low{2 * 235 + 100, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);
    EXPECT_EQ(s.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cSourceItem.lngAddRecord", sysError(EFBIG));
    // The torn third record was cut back off: the two records are left as they were.
    EXPECT_EQ(readFile(t.srcFile()), itemRecord({"", "", "", "", 1, "", "N", ""}).repeated(2));
}

TEST(DamagedFiles, TruncatedLastRecordReadsAsBlanksAndAWritePastItFillsTheGap) {
    TestContext t;
    // Two records and 150 bytes of a third: 2.64 records, read as 3.
    const QByteArray original = readFile(CARTWISE_TEST_DATA "/truncated_last_record.dat");
    writeFile(t.srcFile(), original);
    cSourceItem s(t.ctx);
    SortedList lb;
    ASSERT_TRUE(s.blnRefreshList(lb, 0) && s.blnFindRecord(3));
    EXPECT_EQ(entries(lb), "Bread=2, Eggs=3, Milk=1");
    // The third record's selected flag was cut off.
    EXPECT_EQ(s.strItem + '|' + s.strIsle + '|' + s.strSelectedYN, "Eggs|07|");
    ASSERT_TRUE(s.blnFindRecord(7)); // beyond the end: a blank record
    EXPECT_EQ(s.strItem + s.strIsle + QString::number(s.lngCatID), "0");
    ASSERT_TRUE(s.blnSelectRecord(5, "1"));
    const QByteArray selected = kBlankItem.left(174) + "Y1" + kBlankItem.mid(176);
    EXPECT_EQ(readFile(t.srcFile()), original + kBlankItem.mid(150) + kBlankItem + selected);
}

TEST(DamagedFiles, ZeroFilledRecordsAreUnusedAndHolesAreNotRead) {
    TestContext t;
    // Zero bytes where records should be: inside the data, and as a 2 GB hole at the end of a
    // sparse file (what a power cut can leave, or a truncate), none of which may be listed,
    // kept in memory or read through.
    const QByteArray zero(235, '\0'),
        bread = itemRecord({"Bread", "1", "2.49", "", 1, "", "Y", "1"});
    writeFile(t.srcFile(), zero + bread + zero);
    writeFile(t.catFile(), QByteArray(50, '\0') + categoryRecord("Bakery"));
    for (const QString& file : {t.srcFile(), t.catFile()})
        ASSERT_TRUE(QFile(file).resize(qint64(2) << 30));
    cSourceItem s(t.ctx);
    cCategory c(t.ctx);
    SortedList items, cats;
    QString sort = "Sorted by Category";
    ASSERT_TRUE(s.blnRefreshList(items, 0) && c.blnRefreshList(cats));
    EXPECT_EQ(entries(items) + " | " + entries(cats), "Bread=2 | Bakery=2");
    EXPECT_EQ(sortList(t.ctx, sort), sort + ": .Bread=2"); // category 1 is unused
    EXPECT_EQ(s.Calculate().toFixed(), "2.49");
    ASSERT_TRUE(s.blnFindRecord(1));
    EXPECT_EQ(s.strItem + QString::number(s.lngCatID), "0");
    // The first unused record is reused; clearing the list leaves the hole a hole.
    s.strItem = "Milk";
    s.lngCatID = 2;
    c.strCategory = "Dairy";
    EXPECT_EQ(s.lngAddRecord() + c.lngAddRecord(), 2);
    ASSERT_TRUE(s.blnClearSelections());
    QFile file(t.srcFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(3 * 235), itemRecord({"Milk", "", "", "", 2, "", "N", ""}) +
                                      bread.left(174) + 'N' + bread.mid(175) +
                                      itemRecord({}).left(174) + 'N' + itemRecord({}).mid(175));
    struct stat st {};
    ASSERT_EQ(::stat(t.srcFile().toLocal8Bit().constData(), &st), 0);
    EXPECT_LT(st.st_blocks * 512, 4 << 20); // a hole still, but for the chunk written back
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(StoreFailures, EveryWriteIsSyncedAndAFailingSyncOrCloseIsReported) {
    TestContext t;
    static int syncs = 0, failing = 0; // failing: 1 the sync, 2 the close
    const DurabilityCalls real = durabilityCalls();
    const auto restore = qScopeGuard([&] { durabilityCalls() = real; });
    durabilityCalls().sync = [](int fd) {
        ++syncs;
        if (failing != 1) return ::fdatasync(fd);
        errno = EIO;
        return -1;
    };
    durabilityCalls().close = [](int fd) {
        const int closed = ::close(fd);
        if (closed != 0 || failing != 2) return closed;
        errno = EIO;
        return -1;
    };
    cSourceItem s(t.ctx);
    s.strItem = "Milk";
    s.lngCatID = 1;
    ASSERT_EQ(s.lngAddRecord(), 1);
    ASSERT_TRUE(s.blnSelectRecord(1, "2") && s.blnFindRecord(1) && s.Calculate().units() == 0);
    EXPECT_EQ(syncs, 2); // the two writes, not the reads
    const QByteArray kept = readFile(t.srcFile());
    for (failing = 1; failing <= 2; ++failing) {
        EXPECT_EQ(s.lngAddRecord(), 0);
        EXPECT_FALSE(s.blnEditRecord(1));
        expectFailure([&] { s.blnDeleteRecord(2); }, sysError(EIO)); // no trap of its own
        EXPECT_EQ(t.prompts.messages(),
                  std::vector({errorReport("cSourceItem.lngAddRecord", sysError(EIO)),
                               errorReport("cSourceItem.blnEditRecord", sysError(EIO))}));
        EXPECT_EQ(readFile(t.srcFile()).left(235), kept); // the earlier record kept
        t.prompts.clear();
    }
}
