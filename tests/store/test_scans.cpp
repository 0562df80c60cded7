// The fast paths through the item file: writes under one sync scope, scans that read the file
// where it is mapped, and sort lists ordered on bytes. Each must give what the plain way gives.
#include "TestContext.h"
#include "core/CodePage.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/SyncScope.h"
#include "store/cCategory.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <cerrno>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

namespace {

int g_syncs = 0;
bool g_syncFails = false;
int countingSync(int fd) {
    ++g_syncs;
    if (!g_syncFails) return ::fdatasync(fd);
    errno = EIO;
    return -1;
}

} // namespace

TEST(SyncScope, WritesUnderAScopeSyncEachFileOnceAtItsEndAndAFailedSyncIsThrown) {
    TestContext t;
    const DurabilityCalls real = durabilityCalls();
    const auto restore = qScopeGuard([&] { durabilityCalls() = real; });
    durabilityCalls().sync = countingSync;
    cSourceItem item(t.ctx);
    cCategory category(t.ctx);
    {
        SyncScope scope;
        for (int i = 1; i <= 40; ++i) {
            item.strItem = QStringLiteral("Item %1").arg(i);
            item.lngCatID = 1;
            ASSERT_EQ(item.lngAddRecord(), i);
            if (i % 4 == 0) {
                ASSERT_TRUE(item.blnSelectRecord(i, "2"));
            }
        }
        SyncScope inner; // joins the outer one
        category.strCategory = "Dairy";
        ASSERT_EQ(category.lngAddRecord(), 1);
        // A record freed inside the scope is found by the next add.
        ASSERT_TRUE(item.blnDeleteRecord(7));
        ASSERT_EQ(item.lngAddRecord(), 7);
        inner.finish();
        EXPECT_EQ(g_syncs, 0);
        scope.finish();
        EXPECT_EQ(g_syncs, 2); // the item file and the category file
    }
    EXPECT_EQ(item.lngAddRecord(), 41); // outside a scope: the file searched, synced at once
    EXPECT_EQ(g_syncs, 3);

    const QByteArray kept = readFile(t.srcFile());
    g_syncFails = true;
    const auto stopFailing = qScopeGuard([] { g_syncFails = false; });
    SyncScope failing;
    ASSERT_TRUE(item.blnSelectRecord(1, "5"));
    expectFailure([&] { failing.finish(); }, sysError(EIO));
    EXPECT_EQ(readFile(t.srcFile()).mid(235), kept.mid(235)); // only record 1 changed
    EXPECT_TRUE(t.prompts.boxes.empty()); // the command that opened the scope reports it
}

// Items with texts that tell the orders apart: letter case, accented and other Windows-1252
// letters, texts that are prefixes of others, equal texts, leading spaces, empty isles.
TEST(Scans, SortListsMatchTheOrderOfTheirTextsWithoutRegardToCase) {
    TestContext t;
    const QByteArray letters = "aAbBzZ .-0\x8a\x9a\xc0\xe0\xdf\xff\xd6\xf6\x80\x9f";
    QRandomGenerator rng(7);
    auto text = [&](int max) {
        QByteArray out;
        for (int n = rng.bounded(max + 1); n > 0; --n)
            out += letters[rng.bounded(letters.size())];
        return out;
    };
    for (const char* name : {"dairy", "Bakery", "\xc9picerie", "bakery"}) {
        cCategory c(t.ctx);
        c.strCategory = fromCp1252(QByteArray(name));
        c.lngAddRecord();
    }
    QByteArray file;
    for (int i = 0; i < 400; ++i) {
        // Half of them past a long common start, where the first bytes do not decide.
        const QByteArray item = (rng.bounded(2) ? "Store brand extra " : "") + text(6);
        file += itemRecord(
            {item, "1", "1.00", "", 1 + rng.bounded(5), text(3), rng.bounded(3) ? "Y" : "N", "1"});
    }
    writeFile(t.srcFile(), file);

    // What the list gets: every listed record's key, added one by one in record order.
    const char* const captions[] = {"Sorted by Item", "Sorted by Isle", "Sorted by Category"};
    for (int mode = 0; mode < 3; ++mode) {
        SortedList expected;
        for (int n = 1; n <= 400; ++n) {
            const char* rec = file.constData() + (n - 1) * 235;
            if (!SourceItemLayout::isListed(rec)) continue;
            const QString item = SourceItemLayout::item.read(rec);
            const QString before = mode == 1 ? SourceItemLayout::isle.read(rec)
                                             : GetCategoryName(t.ctx, SourceItemLayout::catId(rec));
            expected.addEntry(mode == 0 ? item : before + '.' + item, n);
        }
        ASSERT_GT(expected.count(), 200);
        EXPECT_EQ(sortList(t.ctx, captions[mode]),
                  QString(captions[mode]) + ": " + entries(expected));
    }
    SortedList items;
    ASSERT_TRUE(cSourceItem(t.ctx).blnRefreshList(items, 3));
    SortedList expected;
    for (int n = 1; n <= 400; ++n) {
        const char* rec = file.constData() + (n - 1) * 235;
        if (SourceItemLayout::catId(rec) == 3 && !SourceItemLayout::item.isBlank(rec))
            expected.addEntry(SourceItemLayout::item.read(rec), n);
    }
    EXPECT_EQ(entries(items), entries(expected));
}

// Another program cuts the file short while a scan reads it where it is mapped: the records
// that are gone read as unused ones instead of ending the program.
TEST(Scans, AFileCutShortDuringAScanReadsAsBlankRecords) {
    TestContext t;
    QByteArray file;
    for (int i = 0; i < 2000; ++i) // 470,000 bytes, one mapped window
        file += itemRecord({"Milk", "1", "1.00", "", 1, "", "Y", "1"});
    writeFile(t.srcFile(), file);
    RecordFile f(t.srcFile(), 235, SourceItemLayout::blank(), RecordFile::Access::Read);
    int listed = 0, blank = 0;
    f.forEachRecord(SourceItemLayout::blank(), [&](qint64 n, const char* rec) {
        if (n == 10) {
            EXPECT_EQ(::truncate(t.srcFile().toLocal8Bit().constData(), 40 * 235), 0);
        }
        listed += SourceItemLayout::isListed(rec);
        blank += std::memcmp(rec, SourceItemLayout::blank(), 235) == 0;
        return true;
    });
    f.close();
    EXPECT_EQ(listed, 40); // the records left in the file
    EXPECT_EQ(blank, 1960);
}
