// The number rules: leading numbers, the two field formats as functions and in the item
// record, whole-number conversions and money.
#include "StoreHelpers.h"
#include "core/Numbers.h"

#include <limits>

using namespace cw;
using namespace cw::test;

TEST(LeadingNumber, AwkwardTexts) {
    const std::pair<const char*, double> cases[] = {
        {"1 2", 12}, {"3 kg", 3},    {" \t\n7", 7}, {" - 4", -4},   {"1.2.3", 1.2}, {"12,50", 12},
        {".5", 0.5}, {"-.25", -.25}, {"+8", 8},     {"1.5e2", 150}, {"2E-1", .2},   {"1e 3", 1000},
        {"1e+", 1},  {"3d2", 300},   {"1e-400", 0}, {"", 0},        {"abc", 0},     {"$5", 0},
        {".", 0},    {"+-3", 0},     {"e5", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), value) << text;
    expectFailure([] { leadingNumber(QStringLiteral("1e400")); }, "Overflow");
    EXPECT_EQ(leadingNumber("5\xB5", 2), 5); // in field bytes a byte above 0x7F ends it
    for (const char* yes : {"12", " 1.5 ", "-3", "1E-2", ".5", "5.", "\t2\t"})
        EXPECT_TRUE(readsAsNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", " ", ".", "1 2", "3 kg", "1e", "--1", "1,000", "1e400", "0x10"})
        EXPECT_FALSE(readsAsNumber(QString::fromLatin1(no))) << no;
}

// Each text formatted as a quantity ("#####") and as a cost ("Fixed"), stored so in the item
// record when it fits and read back unchanged.
TEST(NumberFormats, WholeAndFixedDirectAndThroughTheItemRecord) {
    // clang-format off
    const char* const cases[][3] = {
        {"2", "2", "2.00"},            {"2.5", "3", "2.50"},          {"-2.5", "-3", "-2.50"},
        {"3.5", "4", "3.50"},          {"0", "", "0.00"},             {"-0.4", "", "-0.40"},
        {".5", "1", "0.50"},           {"1.005", "1", "1.01"},        {"-1.005", "-1", "-1.01"},
        {"2.675", "3", "2.68"},        {"9.995", "10", "10.00"},      {"-0.001", "", "0.00"},
        {"1e2", "100", "100.00"},      {"1e-3", "", "0.00"},          {" 007 ", "7", "7.00"},
        {"0e999999", "", "0.00"},      {"", "", ""},                  {"abc", "abc", "abc"},
        {"12 oz", "12 oz", "12 oz"},   {"1,000", "1,000", "1,000"},   {"1e400", "1e400", "1e400"},
        {"123456789.125", "123456789", "123456789.13"}};
    // clang-format on
    TestContext t;
    for (const auto& row : cases) {
        const QString c[] = {row[0], row[1], row[2]};
        EXPECT_EQ(formatWhole(c[0]) + '|' + formatFixed(c[0]), c[1] + '|' + c[2]) << row[0];
        if (c[2].size() > 10) continue;
        cSourceItem s(t.ctx);
        setFields(s, {"", c[0], c[0], "", "1", "", "", ""});
        const qint32 id = s.lngAddRecord();
        EXPECT_EQ(readFile(t.srcFile()).mid((id - 1) * 235 + 50, 20),
                  padded(row[1], 10) + padded(row[2], 10))
            << row[0];
        ASSERT_TRUE(s.blnFindRecord(id));
        EXPECT_EQ(s.strQuantity + '|' + s.strCost, c[1] + '|' + c[2]);
    }
    // Computed numbers are taken at their shortest decimal form.
    EXPECT_EQ(formatFixed(1.005) + formatFixed(0.1 + 0.2) + formatFixed(-0.5), "1.010.30-0.50");
    EXPECT_EQ(formatWhole(2.5) + formatWhole(0.0), "3");
    EXPECT_THROW(formatFixed(std::numeric_limits<double>::infinity()), Failure);
}

TEST(WholeConversions, HalvesGoToEvenAndRangeIsChecked) {
    EXPECT_EQ(QList<qint32>({toLong(2.5), toLong(3.5), toLong(-2.5)}), QList<qint32>({2, 4, -2}));
    EXPECT_THROW(toInteger(32767.5), Failure);
    expectFailure([] { toInteger(QStringLiteral("12abc")); }, "Type mismatch");
}

TEST(Money, FourDecimalsHalfToEvenTwoDecimalTextAndOverflowChecked) {
    // 1/32 and 3/32 are exact in binary: their fifth decimal is a true half.
    EXPECT_EQ(Money::fromDouble(0.03125).units(), 312);
    EXPECT_EQ(Money::fromDouble(0.09375).units(), 938);
    EXPECT_EQ(Money::fromDouble(-0.03125).units(), -312);
    QStringList texts;
    for (qint64 amount : {50, 49, -49, -5000, 123456789})
        texts << Money::fromUnits(amount).toFixed();
    EXPECT_EQ(texts, QStringList({"0.01", "0.00", "0.00", "-0.50", "12345.68"}));
    Money m = Money::fromUnits(std::numeric_limits<qint64>::min());
    EXPECT_THROW(m += Money::fromUnits(-1), Failure);
    EXPECT_EQ(m.toFixed(), "-922337203685477.58"); // unchanged by the failed sum
}
