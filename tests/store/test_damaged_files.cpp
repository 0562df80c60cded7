// Record files broken in named ways (tests/data): every operation reads them without a crash,
// counts their records by the rounding rule and reads missing bytes as blanks.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/Failure.h"
#include "store/SortedList.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

QByteArray fixture(const char* name) {
    const QByteArray bytes = readFile(QStringLiteral(CARTWISE_TEST_DATA "/") + name);
    EXPECT_FALSE(bytes.isEmpty()) << "missing fixture " << name;
    return bytes;
}

Entries sortList(Context& ctx, const char* mode) {
    SortedList lb;
    QString strSort = QString::fromLatin1(mode);
    cSourceItem s(ctx);
    EXPECT_TRUE(s.blnRefreshSortList(lb, strSort));
    return entries(lb);
}

} // namespace

TEST(DamagedFiles, TruncatedLastRecordReadsItsMissingBytesAsBlanks) {
    TestContext t;
    const QByteArray original = fixture("truncated_last_record.dat");
    ASSERT_EQ(original.size(), 620); // 2.64 records count as 3
    writeFile(t.srcFile(), original);
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord("Bakery"));

    cSourceItem s(t.ctx);
    SortedList lb;
    ASSERT_TRUE(s.blnRefreshList(lb, 0));
    EXPECT_EQ(entries(lb), (Entries{{"Bread", 2}, {"Eggs", 3}, {"Milk", 1}}));
    ASSERT_TRUE(s.blnFindRecord(3));
    EXPECT_EQ(s.strItem, "Eggs");
    EXPECT_EQ(s.strQuantity, "12");
    EXPECT_EQ(s.lngCatID, 1);
    EXPECT_EQ(s.strIsle, "07");
    EXPECT_EQ(s.strSelectedYN, ""); // its flag was cut off: not on the list
    EXPECT_EQ(sortList(t.ctx, "Sorted by Category"),
              (Entries{{"Bakery.Bread", 2}, {"Dairy.Milk", 1}}));
    EXPECT_EQ(s.Calculate().toFixed(), "5.07");
    EXPECT_EQ(readFile(t.srcFile()), original); // reading changed nothing

    // The next add appends after the third record, which is completed with blanks.
    s.strItem = "Tea";
    s.lngCatID = 2;
    ASSERT_EQ(s.lngAddRecord(), 4);
    const QByteArray grown = readFile(t.srcFile());
    ASSERT_EQ(grown.size(), 4 * 235);
    EXPECT_EQ(grown.left(620), original);
    EXPECT_EQ(grown.mid(620, 85), QByteArray(85, ' '));
    ASSERT_TRUE(s.blnFindRecord(3));
    EXPECT_EQ(s.strIsle, "07");
    EXPECT_EQ(s.strSelectedQuantity, "");
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(DamagedFiles, HalfRecordRoundsUpToTheEvenCount) {
    TestContext t;
    writeFile(t.catFile(), fixture("half_record_rounds_up.dat")); // 1.5 records: 2
    cCategory c(t.ctx);
    SortedList lb;
    ASSERT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(entries(lb), (Entries{{"Bakery", 2}, {"Dairy", 1}}));
    c.strCategory = "Deli";
    ASSERT_EQ(c.lngAddRecord(), 3);
    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Dairy") + categoryRecord("Bakery") + categoryRecord("Deli"));
}

TEST(DamagedFiles, HalfRecordRoundsDownToTheEvenCount) {
    TestContext t;
    writeFile(t.catFile(), fixture("half_record_rounds_to_even.dat")); // 2.5 records: 2
    cCategory c(t.ctx);
    SortedList lb;
    ASSERT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(entries(lb), (Entries{{"Bakery", 2}, {"Dairy", 1}}));
    // The uncounted half record is overwritten by the next add.
    c.strCategory = "Deli";
    ASSERT_EQ(c.lngAddRecord(), 3);
    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Dairy") + categoryRecord("Bakery") + categoryRecord("Deli"));
}

TEST(DamagedFiles, ZeroFilledRecordsAreFreeSlots) {
    TestContext t;
    writeFile(t.srcFile(), fixture("nul_filled.dat"));
    cSourceItem s(t.ctx);
    EXPECT_EQ(s.Calculate().units(), 0);
    EXPECT_EQ(sortList(t.ctx, "Sorted by Item").size(), 0u);
    ASSERT_TRUE(s.blnFindRecord(2));
    EXPECT_EQ(s.lngCatID, 0);
    EXPECT_EQ(s.strItem, QString(50, QChar(0)));
    s.strItem = "Tea";
    s.lngCatID = 1;
    EXPECT_EQ(s.lngAddRecord(), 1);
    ASSERT_TRUE(s.blnClearSelections());
    EXPECT_EQ(readFile(t.srcFile()).at(235 + 174), 'N');
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(DamagedFiles, FieldsNoOperationWrites) {
    TestContext t;
    writeFile(t.srcFile(), fixture("bad_fields.dat"));
    writeFile(t.catFile(), categoryRecord("Dairy"));
    cSourceItem s(t.ctx);

    // Caviar's cost overflows a double: the total fails for the caller to report.
    try {
        s.Calculate();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), "Overflow");
    }
    ASSERT_TRUE(s.blnFindRecord(1));
    EXPECT_EQ(s.strCost, "1e999"); // no number a double can hold: kept as text
    ASSERT_TRUE(s.blnDeleteRecord(1));
    // Salt 0 x 0, Crème brûlée 3.50 x 2, Tea has "y", the zero bytes end Nul's quantity at 3,
    // the blank description does not count, Spaced 2 x 4.
    EXPECT_EQ(s.Calculate().toFixed(), "18.00");

    ASSERT_TRUE(s.blnFindRecord(3));
    EXPECT_EQ(s.strItem, QString::fromUtf8("Crème brûlée"));
    EXPECT_EQ(s.strSize, QString::fromUtf8("€ pack"));
    EXPECT_EQ(s.strIsle, QString::fromUtf8("Œ9"));
    EXPECT_EQ(s.lngCatID, 2147483647);
    ASSERT_TRUE(s.blnFindRecord(7));
    EXPECT_EQ(s.strItem, "Spaced");
    EXPECT_EQ(s.strQuantity, "2");
    EXPECT_EQ(s.strCost, "2.00");

    // Negative and out-of-range category IDs: no name, one report for the whole rebuild.
    const Entries byCategory = sortList(t.ctx, "Sorted by Category");
    ASSERT_EQ(byCategory.size(), 4u);
    EXPECT_EQ(byCategory[0], (std::pair<QString, qint32>{QString::fromUtf8(".Crème brûlée"), 3}));
    EXPECT_EQ(byCategory[1], (std::pair<QString, qint32>{".Salt", 2}));
    EXPECT_EQ(byCategory[2].second, 5);
    EXPECT_EQ(byCategory[3], (std::pair<QString, qint32>{"Dairy.Spaced", 7}));
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", "Bad record number");
}

TEST(DamagedFiles, RandomBytesDoNotCrash) {
    TestContext t;
    const QByteArray noise = fixture("random_bytes.dat");
    writeFile(t.srcFile(), noise);
    writeFile(t.catFile(), noise.left(1000));
    bool badCategory = false; // a listed record whose category ID is below 1
    for (int i = 0; i < 20; ++i) {
        const char* rec = noise.constData() + i * 235;
        qint32 cat = 0;
        std::memcpy(&cat, rec + 120, 4);
        if (rec[174] == 'Y' && cat < 1) badCategory = true;
    }
    cSourceItem s(t.ctx);
    SortedList lb;
    ASSERT_TRUE(s.blnRefreshList(lb, 0));
    EXPECT_EQ(lb.count(), 20); // no description in the noise is all spaces
    for (const char* mode : {"Sorted by Item", "Sorted by Isle", "Sorted by Category"})
        EXPECT_EQ(sortList(t.ctx, mode).size(), 10u) << mode;
    if (badCategory)
        expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", "Bad record number");
    for (qint32 id = 1; id <= 20; ++id)
        ASSERT_TRUE(s.blnFindRecord(id));
    try {
        s.Calculate();
    } catch (const Failure& f) {
        ADD_FAILURE() << "the noise holds no overflowing number: " << f.what();
    }
    cCategory c(t.ctx);
    ASSERT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(lb.count(), 20);
    ASSERT_TRUE(s.blnClearSelections());
    EXPECT_EQ(sortList(t.ctx, "Sorted by Item").size(), 0u);
    EXPECT_EQ(readFile(t.srcFile()).size(), noise.size());
    EXPECT_TRUE(t.prompts.boxes.empty());
}
