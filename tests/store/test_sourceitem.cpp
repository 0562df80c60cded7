// The source item store: free slots, the number formats of the stored fields, listing by
// category and deleting a category's items.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/SortedList.h"
#include "store/cSourceItem.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QByteArray kBlankItem = QByteArray(120, ' ') + QByteArray(4, '\0') + QByteArray(111, ' ');

qint32 add(Context& ctx, const QString& item, qint32 cat, const QString& qty = "1",
           const QString& cost = "1") {
    cSourceItem s(ctx);
    s.strItem = item;
    s.lngCatID = cat;
    s.strQuantity = qty;
    s.strCost = cost;
    return s.lngAddRecord();
}

} // namespace

TEST(SourceItemStore, DeletedSlotIsReusedBeforeTheFileGrows) {
    TestContext t;
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(add(t.ctx, QString("Item %1").arg(i), 1), i);
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnDeleteRecord(3));
    EXPECT_EQ(readFile(t.srcFile()).mid(2 * 235, 235), kBlankItem);

    EXPECT_EQ(add(t.ctx, "New", 2), 3);
    EXPECT_EQ(QFile(t.srcFile()).size(), 1175);
    EXPECT_EQ(add(t.ctx, "Newer", 2), 6);
    EXPECT_EQ(QFile(t.srcFile()).size(), 1410);
    ASSERT_TRUE(s.blnFindRecord(3));
    EXPECT_EQ(s.strItem, "New");
    EXPECT_EQ(s.lngCatID, 2);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(SourceItemStore, FreeSlotIsFoundByCategoryZeroAlone) {
    TestContext t;
    // Record 1 has a description but category 0; record 2 is blank but for its category.
    writeFile(t.srcFile(), itemRecord({"Orphan", "1", "1.00", "", 0, "", "N", ""}) +
                               itemRecord({"", "", "", "", 4, "", "", ""}));
    SortedList lb;
    cSourceItem s(t.ctx);
    s.blnRefreshList(lb, 4);
    EXPECT_EQ(lb.count(), 0); // a blank description is never listed
    EXPECT_EQ(add(t.ctx, "Tea", 4), 1);
    EXPECT_EQ(add(t.ctx, "Coffee", 4), 3);
}

TEST(SourceItemStore, AddFillsTheSelectedFlagAndReusedSlotsCompletely) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"Old", "9", "9.99", "big", 0, "99", "Y", "9"}));
    cSourceItem s(t.ctx);
    s.lngCatID = 2;
    s.strItem = "  Tea  ";
    s.strSelectedYN = "  ";
    s.strSelectedQuantity = "   ";
    ASSERT_EQ(s.lngAddRecord(), 1);
    EXPECT_EQ(s.strSelectedYN, "N");
    EXPECT_EQ(s.strSelectedQuantity, "");
    EXPECT_EQ(readFile(t.srcFile()), itemRecord({"Tea", "", "", "", 2, "", "N", ""}));
}

TEST(SourceItemStore, StoredNumberFormats) {
    TestContext t;
    struct Case {
        const char *qty, *cost, *storedQty, *storedCost, *readQty, *readCost;
    };
    const Case cases[] = {
        {"2", "1.29", "2", "1.29", "2", "1.29"},
        {"2.5", "3", "3", "3.00", "3", "3.00"},
        {"0", "1.5", "", "1.50", "", "1.50"},
        {"-1.5", "-.5", "-2", "-0.50", "-2", "-0.50"},
        {"1 doz", "1.005", "1 doz", "1.01", "1 doz", "1.01"},
        {"", "", "", "", "", ""},
        {"1e2", "1e-3", "100", "0.00", "100", "0.00"},
        {"abc", "free", "abc", "free", "abc", "free"},
    };
    for (const Case& c : cases) {
        const qint32 id = add(t.ctx, "x", 1, c.qty, c.cost);
        const QByteArray rec = readFile(t.srcFile()).mid((id - 1) * 235, 235);
        EXPECT_EQ(rec.mid(50, 10), padded(c.storedQty, 10)) << c.qty;
        EXPECT_EQ(rec.mid(60, 10), padded(c.storedCost, 10)) << c.cost;
        cSourceItem s(t.ctx);
        ASSERT_TRUE(s.blnFindRecord(id));
        EXPECT_EQ(s.strQuantity, c.readQty) << c.qty;
        EXPECT_EQ(s.strCost, c.readCost) << c.cost;
    }
    // Editing writes the quantity in two decimals; it still reads as a whole number.
    cSourceItem e(t.ctx);
    ASSERT_TRUE(e.blnFindRecord(1));
    EXPECT_EQ(e.strQuantity, "2");
    ASSERT_TRUE(e.blnEditRecord(1));
    EXPECT_EQ(readFile(t.srcFile()).mid(50, 20), padded("2.00", 10) + padded("1.29", 10));
    ASSERT_TRUE(e.blnFindRecord(1));
    EXPECT_EQ(e.strQuantity, "2");
    // A cost stored by another hand as 1.5 still reads in two decimals.
    writeFile(t.srcFile(), itemRecord({"x", "2.00", "1.5", "", 1, "", "N", ""}));
    cSourceItem s(t.ctx);
    s.blnFindRecord(1);
    EXPECT_EQ(s.strCost, "1.50");
    EXPECT_EQ(s.strQuantity, "2");
}

TEST(SourceItemStore, EditKeepsTheItemsPlaceOnTheList) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.29", "1 gal", 3, "05", "Y", "4"}));
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnFindRecord(1));
    s.strItem = " Soy milk ";
    s.strCost = "2.5";
    s.strSelectedYN = "N"; // the selection is not the editor's to change
    s.strSelectedQuantity = "9";
    s.lngCatID = 4;
    ASSERT_TRUE(s.blnEditRecord(1));
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Soy milk", "2.00", "2.50", "1 gal", 4, "05", "Y", "4"}));
    EXPECT_EQ(s.Calculate().toFixed(), "10.00");
}

TEST(SourceItemStore, ListShowsOneCategoryOrAllWithRecordNumbers) {
    TestContext t;
    writeFile(t.srcFile(), itemRecord({"milk", "", "", "", 7, "", "N", ""}) +
                               itemRecord({"Bread", "", "", "", 2, "", "N", ""}) +
                               itemRecord({"", "", "", "", 7, "", "Y", ""}) +
                               itemRecord({"Cheese", "", "", "", 7, "", "Y", ""}) +
                               itemRecord({"Apples", "", "", "", 70, "", "N", ""}));
    SortedList lb;
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnRefreshList(lb, 7));
    EXPECT_EQ(entries(lb), (Entries{{"Cheese", 4}, {"milk", 1}}));
    ASSERT_TRUE(s.blnRefreshList(lb, 0));
    EXPECT_EQ(entries(lb), (Entries{{"Apples", 5}, {"Bread", 2}, {"Cheese", 4}, {"milk", 1}}));
    ASSERT_TRUE(s.blnRefreshList(lb, 99));
    EXPECT_EQ(lb.count(), 0);
}

TEST(SourceItemStore, DeleteCategoryBlanksExactlyItsRecords) {
    TestContext t;
    const QByteArray keep1 = itemRecord({"Bread", "1", "2.49", "", 2, "12", "Y", "1"});
    const QByteArray keep2 = itemRecord({"Apples", "1", "0.50", "", 70, "5", "N", ""});
    const QByteArray gone = itemRecord({"Cheese", "1", "4.00", "", 7, "", "N", ""});
    // Records of category 7 next to each other and far apart (more than a page of others
    // between them), in both of the first two 1 MiB chunks of the file.
    QByteArray file = itemRecord({"Milk", "2", "1.29", "", 7, "05", "Y", "2"}) + keep1 + gone;
    QByteArray expected = kBlankItem + keep1 + kBlankItem;
    for (int i = 0; i < 5000; ++i) {
        const bool ofSeven = i % 40 == 39 || i == 4458 || i == 4459;
        file += ofSeven ? gone : keep2;
        expected += ofSeven ? kBlankItem : keep2;
    }
    writeFile(t.srcFile(), file);
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnDeleteCategory(7));
    EXPECT_TRUE(readFile(t.srcFile()) == expected);
    EXPECT_EQ(s.Calculate().toFixed(), "2.49"); // Milk left the list with its category
    SortedList lb;
    s.blnRefreshList(lb, 7);
    EXPECT_EQ(lb.count(), 0);
}
