// Record layouts and the item store at byte level.
#include "TestContext.h"
#include "store/cSourceItem.h"
#include "store/cCategory.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

TEST(SourceItemRecord, MilkExampleIsByteExact) {
    TestContext t;
    cSourceItem s(t.ctx);
    s.lngCatID = 3;
    s.strItem = "Milk";
    s.strQuantity = "2";
    s.strCost = "1.29";
    s.strSize = "1 gal";
    s.strIsle = "05";
    s.strSelectedYN = "Y";
    s.strSelectedQuantity = "2";
    EXPECT_EQ(s.lngAddRecord(), 1);
    const QByteArray expected = QByteArray("Milk") + QByteArray(46, ' ') + "2" + QByteArray(9, ' ') +
                                "1.29" + QByteArray(6, ' ') + "1 gal" + QByteArray(45, ' ') +
                                QByteArray("\x03\x00\x00\x00", 4) + "05" + QByteArray(48, ' ') +
                                "Y" + "2" + QByteArray(9, ' ') + QByteArray(50, ' ');
    ASSERT_EQ(expected.size(), 235);
    EXPECT_EQ(readFile(t.srcFile()), expected);
    EXPECT_TRUE(t.prompts.boxes.empty());
}
