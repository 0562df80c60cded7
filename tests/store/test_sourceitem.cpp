// The source item store's scans of the whole file: listing and deleting by category, the
// sort list in its three orders and the total.
#include "StoreHelpers.h"

using namespace cw;
using namespace cw::test;

TEST(SourceItemStore, ListingAndDeletingACategoryTouchExactlyItsRecords) {
    TestContext t;
    const QByteArray keep = itemRecord({"Apples", "1", "0.50", "", 70, "5", "N", ""});
    const QByteArray gone = itemRecord({"Cheese", "1", "4.00", "", 7, "", "N", ""});
    // Records of category 7 next to each other and far apart (more than a page of others
    // between them), in both of the first two 1 MiB chunks of the file.
    QByteArray file = itemRecord({"milk", "2", "1.29", "", 7, "05", "Y", "2"}) +
                      itemRecord({"Bread", "1", "2.49", "", 2, "12", "Y", "1"}) +
                      itemRecord({"", "", "", "", 7, "", "", ""});
    QByteArray expected = kBlankItem + file.mid(235, 235) + kBlankItem;
    for (int i = 0; i < 5000; ++i) {
        const bool ofSeven = i % 40 == 39 || i == 4458 || i == 4459;
        file += ofSeven ? gone : keep;
        expected += ofSeven ? kBlankItem : keep;
    }
    writeFile(t.srcFile(), file);
    SortedList lb;
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnRefreshList(lb, 7));
    ASSERT_EQ(lb.count(), 128); // blank descriptions are never listed
    EXPECT_TRUE(entries(lb).startsWith("Cheese=43, Cheese=83, ") &&
                entries(lb).endsWith(", milk=1"));
    ASSERT_TRUE(s.blnDeleteCategory(7));
    EXPECT_TRUE(readFile(t.srcFile()) == expected);
}

TEST(SortList, KeysInAllThreeModesAndTheCaptionWinsOverTheArgument) {
    TestContext t;
    writeFile(t.catFile(),
              categoryRecord("Dairy") + categoryRecord("") + categoryRecord("Produce"));
    // On the list: Milk, Bread (of a deleted category), apples, Eggs (no isle), Jam (of a
    // category beyond the file), Tea and Salt (category IDs below 1); around them items that
    // are not: not flagged "Y", flagged "y", a blank description.
    writeFile(t.srcFile(), itemRecord({"Cheese", "1", "4.00", "", 1, "04", "N", "1"}) +
                               itemRecord({"Milk", "2", "1.29", "", 1, "05", "Y", "2"}) +
                               itemRecord({"", "1", "9.99", "", 1, "01", "Y", "1"}) +
                               itemRecord({"Bread", "1", "2.49", "", 2, "12", "Y", "1"}) +
                               itemRecord({"Pears", "1", "3.00", "", 3, "5", "y", "1"}) +
                               itemRecord({"apples", "6", "0.50", "", 3, "5", "Y", "6"}) +
                               itemRecord({"Eggs", "1", "0.25", "", 1, "", "Y", "12"}) +
                               itemRecord({"Jam", "1", "3.00", "", 9, "12", "Y", "1"}) +
                               itemRecord({"Tea", "1", "4.00", "", 0, "3", "Y", "1"}) +
                               itemRecord({"Salt", "1", "0.80", "", -3, "3", "Y", "1"}));
    const QString byItem = "apples=6, Bread=4, Eggs=7, Jam=8, Milk=2, Salt=10, Tea=9";
    const QString byIsle =
        ".Eggs=7, 05.Milk=2, 12.Bread=4, 12.Jam=8, 3.Salt=10, 3.Tea=9, 5.apples=6";
    EXPECT_EQ(sortList(t.ctx, "Sorted by Item"), byItem);
    EXPECT_EQ(sortList(t.ctx, "Sorted by Isle"), byIsle);
    EXPECT_TRUE(t.prompts.boxes.empty());
    EXPECT_EQ(sortList(t.ctx, "Sorted by Category"),
              ".Bread=4, .Jam=8, .Salt=10, .Tea=9, "
              "Dairy.Eggs=7, Dairy.Milk=2, Produce.apples=6");
    // IDs below 1 are one report per rebuild; a deleted or missing category is no error.
    expectOneReport(t.prompts, "cCategory.blnFindRecord_Error: ", "Bad record number");

    EXPECT_EQ(sortList(t.ctx, "  sorted BY item "), byItem);
    EXPECT_EQ(sortList(t.ctx, "Sorted by Price"), "");
    SortedList lb;
    QString strSort = "  Sorted by Isle ";
    ASSERT_TRUE(cSourceItem(t.ctx).blnRefreshSortList(lb, strSort));
    EXPECT_EQ(strSort, "Sorted by Isle");
    EXPECT_EQ(entries(lb), byIsle);
}

TEST(Calculate, ExactToTheCentFromListedRecordsOnly) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"Soap", "1", "1.29", "", 1, "", "Y", "3"}).repeated(10));
    cSourceItem s(t.ctx);
    EXPECT_EQ(s.Calculate().units(), 387000);
    EXPECT_EQ(s.Calculate().toFixed(), "38.70");
    // 1.23 x 0.10035 = 0.1234305: ten products rounded to four decimals make 1.2340.
    writeFile(t.srcFile(),
              itemRecord({"Spice", "1", "1.23", "", 1, "", "Y", "0.10035"}).repeated(10));
    EXPECT_EQ(s.Calculate().units(), 12340);
    // Leading numbers of the raw fields; only listed records count.
    writeFile(t.srcFile(), itemRecord({"A", "5", "2.00", "", 1, "", "Y", "1 2"}) +       // 24
                               itemRecord({"B", "5", "-1.50", "", 1, "", "Y", "4 kg"}) + // -6
                               itemRecord({"", "5", "9.00", "", 1, "", "Y", "1"}) +
                               itemRecord({"D", "5", "9.00", "", 1, "", "N", "1"}) +
                               itemRecord({"E", "5", "9.00", "", 1, "", "y", "1"}));
    EXPECT_EQ(s.Calculate().toFixed(), "18.00");
    EXPECT_TRUE(t.prompts.boxes.empty());
}
