// What goes wrong with the files. A damaged file (tests/data, see its README) is
// read without a crash, missing bytes as blanks. Of the operations that meet a real failure of
// the file layer, the trapped ones close the file and show exactly one report; the others pass
// a Failure with the platform's description to their caller and show nothing.
#include "TestContext.h"
#include "store/RecordFile.h"

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
        CategoryStore c(t.ctx);
        ItemStore s(t.ctx);
        std::vector<Category> categories{{1, "stale"}}; // a list that fails to fill is left empty
        ListedItems listed;
        std::vector<int> rows{0};
        std::optional<Money> total;
        // Each returns false when it failed. Those without a report's prefix have no trap.
        auto ran = [](std::function<void()> f) { return [f] { return f(), true; }; };
        const std::tuple<const char*, int, std::function<bool()>> operations[] = {
            {"cCategory.blnFindRecord", M | N, [&] { return c.find(id).has_value(); }},
            {"cCategory.blnDeleteRecord", M | F | N, [&] { return c.remove(id); }},
            {"cCategory.blnRefreshList", M,
             [&] { return c.list(categories) || !categories.empty(); }},
            {"cCategory.lngAddRecord", M | F, [&] { return c.add("Dairy"); }},
            {"cCategory.blnEditRecord", M | F | N, [&] { return c.rename(id, "Dairy"); }},
            {"cCategory.blnFindRecord", M | N, [&] { return c.nameOf(id) != ""; }},
            {"cSourceItem.lngAddRecord", M | F, [&] { return s.add(Item()); }},
            {"cSourceItem.blnEditRecord", M | F | N, [&] { return s.edit(id, Item()); }},
            {"cSourceItem.blnRefreshSortList", M,
             [&] { return s.readList(SortOrder::ByItem, listed, rows) || !rows.empty(); }},
            {"cSourceItem.blnSelectRecord", M | F | N, [&] { return s.select(id, "2"); }},
            {"cSourceItem.blnUnSelectRecord", M | F | N, [&] { return s.unselect(id); }},
            {"", M | N, [&] { return s.find(id).id == id; }},
            {"", M | F | N, ran([&] { s.remove(id); })},
            {"", M, [&] { return !s.listCategory(1).empty(); }},
            {"", M, ran([&] { s.removeCategory(1); })},
            {"", M, ran([&] { s.clearList(); })},
            {"", M, [&] { return s.total().units() == 0; }},
            {"", M, [&] { return s.readItems({1}, total).count() == 1; }},
            {"", M | N, ran([&] { s.putOnList({id}).wait(); })}};
        for (std::size_t row = 0; row < std::size(operations); ++row) {
            const auto& [operation, kindsMet, run] = operations[row];
            if (!(kindsMet & kind)) continue;
            SCOPED_TRACE(testing::Message() << "operations[" << row << "] " << operation);
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
    ItemStore s(t.ctx);
    Item item;
    item.categoryId = 1; // a record with a category is never a free one
    ASSERT_TRUE(s.add(item) == 1 && s.add(item) == 2);
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
    EXPECT_EQ(s.add(item), 0);
    expectOneReport(t.prompts, "cSourceItem.lngAddRecord", sysError(EFBIG));
    // The torn third record was cut back off: the two records are left as they were.
    EXPECT_EQ(readFile(t.srcFile()), itemRecord({"", "", "", "", 1, "", "N", ""}).repeated(2));
}

TEST(DamagedFiles, TruncatedLastRecordReadsAsBlanksAndAWritePastItFillsTheGap) {
    TestContext t;
    // Two records and 150 bytes of a third: 2.64 records, read as 3.
    const QByteArray original = readFile(CARTWISE_TEST_DATA "/truncated_last_record.dat");
    writeFile(t.srcFile(), original);
    ItemStore s(t.ctx);
    QStringList listed;
    for (const ItemEntry& e : s.listCategory(0))
        listed << e.description + '=' + QString::number(e.id);
    EXPECT_EQ(listed.join(", "), "Bread=2, Eggs=3, Milk=1");
    // The third record's list mark was cut off: blanks, as a record read or one scanned.
    const Item eggs = s.find(3);
    EXPECT_EQ(eggs.description + '|' + eggs.aisle + '|' + eggs.listMark, "Eggs|07|");
    std::optional<Money> total;
    const ListedItems read = s.readItems({3}, total);
    EXPECT_EQ(read.text(0, ListedItems::Field::Description) + '|' +
                  read.text(0, ListedItems::Field::ListQuantity),
              "Eggs|");
    const Item beyond = s.find(7); // beyond the end: a blank record
    EXPECT_EQ(beyond.description + beyond.aisle + QString::number(beyond.categoryId), "0");
    ASSERT_TRUE(s.select(5, "1"));
    const QByteArray selected = kBlankItem.left(174) + "Y1" + kBlankItem.mid(176);
    EXPECT_EQ(readFile(t.srcFile()), original + kBlankItem.mid(150) + kBlankItem + selected);
}

TEST(DamagedFiles, ZeroFilledRecordsAreUnusedAndHolesAreNotRead) {
    TestContext t;
    // Zero bytes where records should be: inside the data, as a hole that ends part way
    // through a scan's chunk (Jam at record 40,000, 9 MB in), and as a 2 GB hole at the end of
    // a sparse file (what a power cut can leave, or a truncate), none of which may be listed,
    // kept in memory or read through.
    const QByteArray zero(235, '\0'),
        bread = itemRecord({"Bread", "1", "2.49", "", 1, "", "Y", "1"}),
        jam = itemRecord({"Jam", "1", "3.00", "", 2, "", "Y", "2"});
    writeFile(t.srcFile(), zero + bread + zero);
    {
        QFile file(t.srcFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(qint64(39999) * 235) &&
                    file.write(jam) == 235);
    }
    writeFile(t.catFile(), QByteArray(50, '\0') + categoryRecord("Bakery"));
    for (const QString& file : {t.srcFile(), t.catFile()})
        ASSERT_TRUE(QFile(file).resize(qint64(2) << 30));
    ItemStore s(t.ctx);
    CategoryStore c(t.ctx);
    std::vector<Category> categories;
    ASSERT_TRUE(c.list(categories) && categories.size() == 1 && categories[0].id == 2);
    const std::vector<ItemEntry> items = s.listCategory(0);
    ASSERT_TRUE(items.size() == 2 && items[0].id == 2 && items[1].id == 40000);
    // Category 1 is unused.
    EXPECT_EQ(sortList(t.ctx, SortOrder::ByCategory), "Bread=2, Jam=40000");
    EXPECT_EQ(s.total().toFixed(), "8.49");
    const Item first = s.find(1);
    EXPECT_EQ(first.description + QString::number(first.categoryId), "0");
    // The first unused record is reused; clearing the list leaves the hole a hole.
    Item milk;
    milk.description = "Milk";
    milk.categoryId = 2;
    EXPECT_EQ(s.add(milk) + c.add("Dairy"), 2);
    s.clearList();
    QFile file(t.srcFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(3 * 235), itemRecord({"Milk", "", "", "", 2, "", "N", ""}) +
                                      bread.left(174) + 'N' + bread.mid(175) +
                                      itemRecord({}).left(174) + 'N' + itemRecord({}).mid(175));
    ASSERT_TRUE(file.seek(qint64(39999) * 235));
    EXPECT_EQ(file.read(235), jam.left(174) + 'N' + jam.mid(175));
    struct stat st {};
    ASSERT_EQ(::stat(t.srcFile().toLocal8Bit().constData(), &st), 0);
    EXPECT_LT(st.st_blocks * 512, 8 << 20); // a hole still, but for the chunks written back
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(StoreFailures, EveryWriteIsSyncedAndAFailingSyncOrCloseIsReported) {
    TestContext t;
    static int failing = 0; // 1 the sync, 2 the close
    ObservedDurability durability;
    durabilityCalls().close = [](int fd) {
        const int closed = ::close(fd);
        if (closed != 0 || failing != 2) return closed;
        errno = EIO;
        return -1;
    };
    ItemStore s(t.ctx);
    Item milk;
    milk.description = "Milk";
    milk.categoryId = 1;
    ASSERT_EQ(s.add(milk), 1);
    ASSERT_TRUE(s.select(1, "2") && s.find(1).id == 1 && s.total().units() == 0);
    EXPECT_EQ(durability.syncs, 2); // the two writes, not the reads
    const QByteArray kept = readFile(t.srcFile());
    for (failing = 1; failing <= 2; ++failing) {
        durability.syncFails = failing == 1;
        EXPECT_EQ(s.add(milk), 0);
        EXPECT_FALSE(s.edit(1, milk));
        expectFailure([&] { s.remove(2); }, sysError(EIO)); // no trap of its own
        EXPECT_EQ(t.prompts.messages(),
                  std::vector({errorReport("cSourceItem.lngAddRecord", sysError(EIO)),
                               errorReport("cSourceItem.blnEditRecord", sysError(EIO))}));
        EXPECT_EQ(readFile(t.srcFile()).left(235), kept); // the earlier record kept
        t.prompts.clear();
    }
}
