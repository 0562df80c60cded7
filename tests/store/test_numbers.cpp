// The number rules: leading numbers, the two field formats and money.
#include "StoreTestHelpers.h"
#include "store/Failure.h"
#include "store/Numbers.h"

#include <gtest/gtest.h>
#include <limits>

using namespace cw;

namespace {

template <class F> void expectFailureText(F&& operation, const char* description) {
    try {
        operation();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), description);
    }
}

} // namespace

TEST(LeadingNumber, AwkwardTexts) {
    const std::pair<const char*, double> cases[] = {
        {"1 2", 12},    {"3 kg", 3},    {" \t\n7", 7}, {" - 4", -4},   {"1 . 5", 1.5},
        {"1.2.3", 1.2}, {"12,50", 12},  {"2\r3", 2},   {".5", 0.5},    {"-.25", -0.25},
        {"+8", 8},      {"1.5e2", 150}, {"2E-1", 0.2}, {"1e 3", 1000}, {"1e", 1},
        {"1e+", 1},     {"4ever", 4},   {"3 doz", 3},  {"3d2", 300},   {"1e-400", 0},
        {"", 0},        {"   ", 0},     {"abc", 0},    {"$5", 0},      {".", 0},
        {"-", 0},       {"+-3", 0},     {"e5", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), value) << text;
    expectFailureText([] { leadingNumber(QStringLiteral("1e400")); }, "Overflow");
    // Raw field bytes read the same way; a byte above 0x7F ends the number.
    EXPECT_EQ(leadingNumber("1.29      ", 10), 1.29);
    EXPECT_EQ(leadingNumber("5\xB5", 2), 5);
}

TEST(ReadsAsNumber, WholeTextMustBeANumber) {
    for (const char* yes : {"12", " 1.5 ", "-3", "+3", "1e3", "1E-2", ".5", "5.", "007", "\t2\t"})
        EXPECT_TRUE(readsAsNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", " ", ".", "1 2", "3 kg", "1e", "--1", "1,000", "1e400", "0x10"})
        EXPECT_FALSE(readsAsNumber(QString::fromLatin1(no))) << no;
}

TEST(NumberFormats, WholeAndFixedFromTheDecimalText) {
    const std::pair<const char*, const char*> whole[] = {
        {"2", "2"},      {"2.5", "3"}, {"3.5", "4"},    {"-2.5", "-3"},   {"2.49", "2"},
        {"0", ""},       {"0.4", ""},  {"-0.4", ""},    {"007", "7"},     {" 12 ", "12"},
        {"1e3", "1000"}, {".5", "1"},  {"99.5", "100"}, {"0e999999", ""},
    };
    for (const auto& [in, out] : whole)
        EXPECT_EQ(formatWhole(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    const std::pair<const char*, const char*> fixed[] = {
        {"1.5", "1.50"},
        {".5", "0.50"},
        {"3", "3.00"},
        {"1.005", "1.01"},
        {"2.675", "2.68"},
        {"-1.005", "-1.01"},
        {"-0.001", "0.00"},
        {"9.995", "10.00"},
        {"1e2", "100.00"},
        {"1e-3", "0.00"},
        {"0000.1", "0.10"},
        {"5.", "5.00"},
        {"123456789.125", "123456789.13"},
    };
    for (const auto& [in, out] : fixed)
        EXPECT_EQ(formatFixed(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    for (const char* text : {"", "abc", "12 oz", "1 2", "1,000", "1e400"}) {
        EXPECT_EQ(formatWhole(QString::fromLatin1(text)), QString::fromLatin1(text)) << text;
        EXPECT_EQ(formatFixed(QString::fromLatin1(text)), QString::fromLatin1(text)) << text;
    }
}

TEST(NumberFormats, ComputedNumbersUseTheirShortestDecimalForm) {
    EXPECT_EQ(formatFixed(1.005), "1.01"); // the double lies just below 1.005
    EXPECT_EQ(formatFixed(0.1 + 0.2), "0.30");
    EXPECT_EQ(formatFixed(-0.5), "-0.50");
    EXPECT_EQ(formatWhole(2.5), "3");
    EXPECT_EQ(formatWhole(0.0), "");
    EXPECT_EQ(formatWhole(-1e20), "-100000000000000000000");
    EXPECT_THROW(formatFixed(std::numeric_limits<double>::infinity()), Failure);
}

TEST(WholeConversions, HalvesGoToEvenAndRangeIsChecked) {
    EXPECT_EQ(toLong(2.5), 2);
    EXPECT_EQ(toLong(3.5), 4);
    EXPECT_EQ(toLong(-2.5), -2);
    EXPECT_THROW(toLong(2147483647.5), Failure);
    EXPECT_EQ(toInteger(-32768.0), -32768);
    EXPECT_THROW(toInteger(32767.5), Failure);
    EXPECT_EQ(toInteger(QStringLiteral(" 12 ")), 12);
    expectFailureText([] { toInteger(QStringLiteral("12abc")); }, "Type mismatch");
}

TEST(Money, FourDecimalsHalfToEvenAndOverflowChecked) {
    EXPECT_EQ(Money::fromDouble(1.29 * 3).units(), 38700);
    // 1/32 and 3/32 are exact in binary: their fifth decimal is a true half.
    EXPECT_EQ(Money::fromDouble(0.03125).units(), 312);
    EXPECT_EQ(Money::fromDouble(0.09375).units(), 938);
    EXPECT_EQ(Money::fromDouble(-0.03125).units(), -312);
    EXPECT_EQ(Money::fromDouble(1e14).units(), 1000000000000000000);
    EXPECT_THROW(Money::fromDouble(1e15), Failure);
    EXPECT_THROW(Money::fromDouble(std::numeric_limits<double>::quiet_NaN()), Failure);

    EXPECT_THROW(Money::fromUnits(std::numeric_limits<qint64>::max()) + Money::fromUnits(1),
                 Failure);
    Money m = Money::fromUnits(std::numeric_limits<qint64>::min());
    EXPECT_THROW(m += Money::fromUnits(-1), Failure);
    EXPECT_EQ(m.units(), std::numeric_limits<qint64>::min()); // unchanged by the failed sum
}

TEST(Money, TwoDecimalText) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0.00"},
        {387000, "38.70"},
        {50, "0.01"},
        {49, "0.00"},
        {-49, "0.00"},
        {-5000, "-0.50"},
        {123456789, "12345.68"},
        {std::numeric_limits<qint64>::min(), "-922337203685477.58"},
    };
    for (const auto& [units, text] : cases)
        EXPECT_EQ(Money::fromUnits(units).toFixed(), QString::fromLatin1(text)) << units;
}
