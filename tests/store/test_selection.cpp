// The shopping list inside the item file: selecting, unselecting, clearing, the total and
// the sort list in its three orders.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/Failure.h"
#include "store/SortedList.h"
#include "store/cSourceItem.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

QByteArray withFlag(QByteArray rec, char flag) {
    rec[174] = flag;
    return rec;
}

// Milk (isle 05, Dairy), Bread (isle 12, Bakery) and apples (isle 5, Produce) on the list,
// with items around them that must not show.
void writeGroceries(TestContext& t) {
    writeFile(t.catFile(),
              categoryRecord("Dairy") + categoryRecord("Bakery") + categoryRecord("Produce"));
    writeFile(t.srcFile(), itemRecord({"Cheese", "1", "4.00", "", 1, "04", "N", "1"}) +
                               itemRecord({"Milk", "2", "1.29", "1 gal", 1, "05", "Y", "2"}) +
                               itemRecord({"", "1", "9.99", "", 2, "01", "Y", "1"}) +
                               itemRecord({"Bread", "1", "2.49", "loaf", 2, "12", "Y", "1"}) +
                               itemRecord({"Pears", "1", "3.00", "", 3, "5", "y", "1"}) +
                               itemRecord({"apples", "6", "0.50", "", 3, "5", "Y", "6"}));
}

Entries sortList(TestContext& t, const QString& mode, bool* ok = nullptr) {
    SortedList lb;
    QString strSort = mode;
    cSourceItem s(t.ctx);
    const bool result = s.blnRefreshSortList(lb, strSort);
    if (ok) *ok = result;
    return entries(lb);
}

} // namespace

TEST(SortList, ThreeOrders) {
    TestContext t;
    writeGroceries(t);
    EXPECT_EQ(sortList(t, "Sorted by Item"), (Entries{{"apples", 6}, {"Bread", 4}, {"Milk", 2}}));
    EXPECT_EQ(sortList(t, "Sorted by Isle"),
              (Entries{{"05.Milk", 2}, {"12.Bread", 4}, {"5.apples", 6}}));
    EXPECT_EQ(sortList(t, "Sorted by Category"),
              (Entries{{"Bakery.Bread", 4}, {"Dairy.Milk", 2}, {"Produce.apples", 6}}));
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(SortList, ModeIsTrimmedAndCaseBlindAndAnUnknownModeListsNothing) {
    TestContext t;
    writeGroceries(t);
    EXPECT_EQ(sortList(t, "  sorted BY item ").size(), 3u);
    bool ok = false;
    EXPECT_EQ(sortList(t, "Sorted by Price", &ok).size(), 0u);
    EXPECT_TRUE(ok);
    EXPECT_EQ(sortList(t, "").size(), 0u);
}

TEST(SortList, CaptionOfTheSortLabelWinsOverTheArgument) {
    TestContext t;
    writeGroceries(t);
    t.ctx.sortCaption = [] { return QStringLiteral("  Sorted by Isle "); };
    SortedList lb;
    QString strSort = "SORTED BY ITEM";
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnRefreshSortList(lb, strSort));
    EXPECT_EQ(strSort, "Sorted by Isle");
    EXPECT_EQ(lb.text(0), "05.Milk");
}

TEST(SortList, EmptyIsleAndDeletedCategoryGiveKeysStartingWithTheDot) {
    TestContext t;
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord(""));
    writeFile(t.srcFile(), itemRecord({"Milk", "1", "1", "", 1, "05", "Y", "1"}) +
                               itemRecord({"Eggs", "1", "1", "", 1, "", "Y", "1"}) +
                               itemRecord({"Bread", "1", "1", "", 2, "12", "Y", "1"}) +
                               itemRecord({"Jam", "1", "1", "", 9, "12", "Y", "1"}));
    EXPECT_EQ(sortList(t, "Sorted by Isle"),
              (Entries{{".Eggs", 2}, {"05.Milk", 1}, {"12.Bread", 3}, {"12.Jam", 4}}));
    // Category 2 was deleted and category 9 lies beyond the end of the file.
    EXPECT_EQ(sortList(t, "Sorted by Category"),
              (Entries{{".Bread", 3}, {".Jam", 4}, {"Dairy.Eggs", 2}, {"Dairy.Milk", 1}}));
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(SortList, KeysThatDifferOnlyInCaseStayInRecordOrder) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"milk", "1", "1", "", 1, "", "Y", "1"}) +
                               itemRecord({"Bread", "1", "1", "", 1, "", "Y", "1"}) +
                               itemRecord({"MILK", "1", "1", "", 1, "", "Y", "1"}) +
                               itemRecord({"Milk", "1", "1", "", 1, "", "Y", "1"}));
    EXPECT_EQ(sortList(t, "Sorted by Item"),
              (Entries{{"Bread", 2}, {"milk", 1}, {"MILK", 3}, {"Milk", 4}}));
}

TEST(SortList, CategoryZeroIsReportedOncePerRebuild) {
    TestContext t;
    writeFile(t.catFile(), categoryRecord("Dairy"));
    writeFile(t.srcFile(), itemRecord({"A", "1", "1", "", 0, "", "Y", "1"}) +
                               itemRecord({"B", "1", "1", "", -3, "", "Y", "1"}) +
                               itemRecord({"C", "1", "1", "", 1, "", "Y", "1"}));
    bool ok = false;
    EXPECT_EQ(sortList(t, "Sorted by Category", &ok),
              (Entries{{".A", 1}, {".B", 2}, {"Dairy.C", 3}}));
    EXPECT_TRUE(ok);
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", "Bad record number");
}

TEST(SortList, StartsFromAnEmptyList) {
    TestContext t;
    SortedList lb;
    lb.addEntry("stale", 1);
    QString strSort = "Sorted by Item";
    cSourceItem s(t.ctx);
    EXPECT_TRUE(s.blnRefreshSortList(lb, strSort));
    EXPECT_EQ(lb.count(), 0);
    EXPECT_EQ(s.Calculate().units(), 0);
}

TEST(Selection, SelectWritesFlagAndTrimmedQuantityOnly) {
    TestContext t;
    const QByteArray rec = itemRecord({"Milk", "2", "1.29", "1 gal", 3, "05", "N", "2"});
    writeFile(t.srcFile(), rec + rec);
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnSelectRecord(2, "  12  "));
    EXPECT_EQ(readFile(t.srcFile()),
              rec + itemRecord({"Milk", "2", "1.29", "1 gal", 3, "05", "Y", "12"}));
    ASSERT_TRUE(s.blnSelectRecord(1, "12345678901"));
    EXPECT_EQ(readFile(t.srcFile()).mid(174, 11), "Y1234567890");
}

TEST(Selection, UnselectCopiesTheDefaultQuantityByteForByte) {
    TestContext t;
    QByteArray rec = itemRecord({"Milk", "2.00", "1.29", "1 gal", 3, "05", "Y", "7"});
    rec.replace(50, 10, " 2.0 \xA0 x  "); // whatever another hand left in the field
    writeFile(t.srcFile(), rec);
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnUnselectRecord(1));
    QByteArray expected = rec;
    expected[174] = 'N';
    expected.replace(175, 10, rec.mid(50, 10));
    EXPECT_EQ(readFile(t.srcFile()), expected);
}

TEST(Selection, ClearPutsNIntoEveryRecordAndKeepsQuantities) {
    TestContext t;
    const QByteArray blank = itemRecord({});
    const QByteArray recs[] = {
        itemRecord({"Milk", "2", "1.29", "", 3, "05", "Y", "2"}),
        itemRecord({"Bread", "1", "2.49", "", 2, "12", "N", "3"}),
        blank,
        itemRecord({"Tea", "1", "4.00", "", 2, "", "y", "5"}),
        itemRecord({"", "", "", "", 0, "", "Y", "9"}),
    };
    QByteArray file;
    for (const QByteArray& r : recs)
        file += r;
    writeFile(t.srcFile(), file);
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnClearSelections());
    QByteArray expected;
    for (const QByteArray& r : recs)
        expected += withFlag(r, 'N');
    EXPECT_EQ(readFile(t.srcFile()), expected);
    EXPECT_EQ(s.Calculate().units(), 0);

    // Across the 1 MiB chunks the file is read in, every tenth record on the list.
    file.clear();
    expected.clear();
    for (int i = 0; i < 9000; ++i) {
        const QByteArray qty = QByteArray::number(i % 97);
        file += itemRecord({"Gum", "1", "0.10", "", 1, "", i % 10 ? "N" : "Y", qty});
        expected += itemRecord({"Gum", "1", "0.10", "", 1, "", "N", qty});
    }
    writeFile(t.srcFile(), file);
    ASSERT_TRUE(s.blnClearSelections());
    EXPECT_TRUE(readFile(t.srcFile()) == expected);
}

TEST(Calculate, EachProductIsRoundedToFourDecimalsBeforeItIsAdded) {
    TestContext t;
    QByteArray file;
    for (int i = 0; i < 10; ++i)
        file += itemRecord({"Soap", "1", "1.29", "", 1, "", "Y", "3"});
    writeFile(t.srcFile(), file);
    cSourceItem s(t.ctx);
    EXPECT_EQ(s.Calculate().units(), 387000);
    EXPECT_EQ(s.Calculate().toFixed(), "38.70");

    // 1.23 x 0.10035 = 0.1234305: ten rounded products make 1.2340, not 1.2343.
    file.clear();
    for (int i = 0; i < 10; ++i)
        file += itemRecord({"Spice", "1", "1.23", "", 1, "", "Y", "0.10035"});
    writeFile(t.srcFile(), file);
    EXPECT_EQ(s.Calculate().units(), 12340);
}

TEST(Calculate, OnlyListedRecordsCountAndQuantitiesReadAsLeadingNumbers) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"A", "5", "2.00", "", 1, "", "Y", "1 2"}) +      // 12
                               itemRecord({"B", "5", "1.00", "", 1, "", "Y", "3 kg"}) + // 3
                               itemRecord({"C", "5", "1.00", "", 1, "", "Y", ""}) +     // blank
                               itemRecord({"D", "5", "1.00", "", 1, "", "Y", "lots"}) + // no number
                               itemRecord({"E", "5", "each 1", "", 1, "", "Y", "4"}) +  // no cost
                               itemRecord({"F", "5", "-1.50", "", 1, "", "Y", "1e1"}) + // -15
                               itemRecord({"", "5", "9.00", "", 1, "", "Y", "1"}) +     // no text
                               itemRecord({"G", "5", "9.00", "", 1, "", "N", "1"}) +
                               itemRecord({"H", "5", "9.00", "", 1, "", "y", "1"}));
    cSourceItem s(t.ctx);
    EXPECT_EQ(s.Calculate().toFixed(), "12.00");
}

TEST(Calculate, TotalOutOfRangeIsAFailureForTheCaller) {
    TestContext t;
    const QByteArray big = itemRecord({"Yacht", "1", "5e14", "", 1, "", "Y", "1"});
    writeFile(t.srcFile(), big);
    cSourceItem s(t.ctx);
    EXPECT_EQ(s.Calculate().units(), 5000000000000000000);
    writeFile(t.srcFile(), big + big);
    EXPECT_THROW(s.Calculate(), Failure);
    EXPECT_TRUE(t.prompts.boxes.empty());
}
