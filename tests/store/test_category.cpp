// The category store: free slots, listing, renaming and the name lookup.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/SortedList.h"
#include "store/cCategory.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

qint32 add(Context& ctx, const QString& name) {
    cCategory c(ctx);
    c.strCategory = name;
    return c.lngAddRecord();
}

} // namespace

TEST(CategoryStore, DeletedSlotIsReusedBeforeTheFileGrows) {
    TestContext t;
    EXPECT_EQ(add(t.ctx, "Dairy"), 1);
    EXPECT_EQ(add(t.ctx, "Bakery"), 2);
    EXPECT_EQ(add(t.ctx, "Produce"), 3);
    cCategory c(t.ctx);
    ASSERT_TRUE(c.blnDeleteRecord(2));
    EXPECT_EQ(readFile(t.catFile()).mid(50, 50), QByteArray(50, ' '));

    EXPECT_EQ(add(t.ctx, "Deli"), 2);
    EXPECT_EQ(QFile(t.catFile()).size(), 150);
    EXPECT_EQ(add(t.ctx, "Frozen"), 4);
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Deli") +
                                         categoryRecord("Produce") + categoryRecord("Frozen"));
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(CategoryStore, NameIsTrimmedIntoRecordOneAndWrittenAsGivenElsewhere) {
    TestContext t;
    EXPECT_EQ(add(t.ctx, "  Dairy  "), 1);
    EXPECT_EQ(add(t.ctx, "  Deli"), 2);
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("  Deli"));
    cCategory c(t.ctx);
    c.strCategory = "  Bakery ";
    ASSERT_TRUE(c.blnEditRecord(1));
    EXPECT_EQ(readFile(t.catFile()).left(50), categoryRecord("Bakery"));
    ASSERT_TRUE(c.blnFindRecord(2));
    EXPECT_EQ(c.strCategory, "Deli");
}

TEST(CategoryStore, ListShowsNamedRecordsWithTheirIdsWithoutRegardToCase) {
    TestContext t;
    writeFile(t.catFile(), categoryRecord("produce") + categoryRecord("") +
                               categoryRecord("Bakery") + categoryRecord("Dairy") +
                               categoryRecord("bakery"));
    SortedList lb;
    cCategory c(t.ctx);
    ASSERT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(entries(lb), (Entries{{"Bakery", 3}, {"bakery", 5}, {"Dairy", 4}, {"produce", 1}}));
}

TEST(CategoryStore, DeletedCategoryIsFoundBlankAndHasNoName) {
    TestContext t;
    add(t.ctx, "Dairy");
    add(t.ctx, "Bakery");
    cCategory c(t.ctx);
    ASSERT_TRUE(c.blnDeleteRecord(1));
    c.strCategory = "stale";
    EXPECT_TRUE(c.blnFindRecord(1));
    EXPECT_EQ(c.strCategory, "");
    EXPECT_EQ(GetCategoryName(t.ctx, 1), "");
    EXPECT_EQ(GetCategoryName(t.ctx, 2), "Bakery");
    SortedList lb;
    c.blnRefreshList(lb);
    EXPECT_EQ(entries(lb), (Entries{{"Bakery", 2}}));
    EXPECT_TRUE(t.prompts.boxes.empty());
}
