// Damaged record files (tests/data, written by make_fixtures.py): every operation reads them
// without a crash and reads missing bytes as blanks.
#include "StoreHelpers.h"
#include "store/cCategory.h"

using namespace cw;
using namespace cw::test;

namespace {

QByteArray fixture(const char* name) {
    const QByteArray bytes = readFile(QStringLiteral(CARTWISE_TEST_DATA "/") + name);
    EXPECT_FALSE(bytes.isEmpty()) << "missing fixture " << name;
    return bytes;
}

} // namespace

TEST(DamagedFiles, TruncatedLastRecordReadsAsBlanksAndAWritePastItFillsTheGap) {
    TestContext t;
    const QByteArray original = fixture("truncated_last_record.dat"); // 2.64 records: 3
    writeFile(t.srcFile(), original);
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord("Bakery"));
    cSourceItem s(t.ctx);
    SortedList lb;
    ASSERT_TRUE(s.blnRefreshList(lb, 0) && s.blnFindRecord(3));
    EXPECT_EQ(entries(lb), "Bread=2, Eggs=3, Milk=1");
    // The third record's flag was cut off: it is not on the list.
    EXPECT_EQ(fields(s).join('|'), "Eggs|12|0.25|dozen|1|07||");
    EXPECT_EQ(sortList(t.ctx, "Sorted by Category"), "Bakery.Bread=2, Dairy.Milk=1");
    EXPECT_EQ(s.Calculate().toFixed(), "5.07");
    ASSERT_TRUE(s.blnFindRecord(7)); // beyond the end: a blank record
    EXPECT_EQ(fields(s).join('|'), "||||0|||");
    EXPECT_EQ(readFile(t.srcFile()), original); // reading changed nothing

    // The gap up to a record written past the end is filled with blank records.
    ASSERT_TRUE(s.blnSelectRecord(5, "1"));
    QByteArray selected = kBlankItem;
    selected.replace(174, 2, "Y1");
    EXPECT_EQ(readFile(t.srcFile()), original + kBlankItem.mid(150) + kBlankItem + selected);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(DamagedFiles, RandomBytesDoNotCrash) {
    TestContext t;
    const QByteArray noise = fixture("random_bytes.dat"); // every other record flagged "Y"
    writeFile(t.srcFile(), noise);
    writeFile(t.catFile(), noise.left(1000));
    cSourceItem s(t.ctx);
    cCategory c(t.ctx);
    SortedList lb;
    ASSERT_TRUE(s.blnRefreshList(lb, 0));
    EXPECT_EQ(lb.count(), 20); // no description in the noise is all spaces
    ASSERT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(lb.count(), 20);
    for (QString mode : {"Sorted by Item", "Sorted by Isle", "Sorted by Category"}) {
        ASSERT_TRUE(s.blnRefreshSortList(lb, mode));
        EXPECT_EQ(lb.count(), 10) << mode.toStdString();
    }
    // Listed records with category IDs below 1: one report for the rebuild by category.
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", "Bad record number");
    for (qint32 id = 1; id <= 20; ++id)
        ASSERT_TRUE(s.blnFindRecord(id));
    EXPECT_NO_THROW(s.Calculate()); // the noise holds no overflowing number
    ASSERT_TRUE(s.blnClearSelections());
    EXPECT_EQ(sortList(t.ctx, "Sorted by Item"), "");
    EXPECT_EQ(readFile(t.srcFile()).size(), noise.size());
}
