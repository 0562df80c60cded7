// The number rules: leading numbers, the two field formats and which texts they take as
// numbers, whole-number conversions and money.
#include "TestContext.h"
#include "core/Numbers.h"

#include <limits>

using namespace cw;

TEST(Numbers, LeadingNumbersOfAwkwardTexts) {
    const std::pair<const char*, double> cases[] = {{"1 2", 12},
                                                    {"3 kg", 3},
                                                    {" \t\n7", 7},
                                                    {" - 4", -4},
                                                    {"1.2.3", 1.2},
                                                    {"12,50", 12},
                                                    {"-.25", -.25},
                                                    {"+8", 8},
                                                    {"2E-1", .2},
                                                    {"1e 3", 1000},
                                                    {"1e+", 1},
                                                    {"3d2", 300},
                                                    {"1e-400", 0},
                                                    {"", 0},
                                                    {"$5", 0},
                                                    {".", 0},
                                                    {"+-3", 0},
                                                    {"e5", 0},
                                                    {" 12.50  ", 12.5},
                                                    {"-3.", -3},
                                                    {"1.", 1},
                                                    {"0.10035", 0.10035},
                                                    {"1234567890123456", 1234567890123456}};
    for (const auto& [text, value] : cases) { // as text, and as a field's bytes
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), value) << text;
        EXPECT_EQ(leadingNumber(text, int(strlen(text))), value) << text;
    }
    test::expectFailure([] { leadingNumber(QStringLiteral("1e400")); }, "Overflow");
    EXPECT_EQ(leadingNumber("5\xB5", 2), 5); // in field bytes a byte above 0x7F ends it
}

// Each text as a quantity ("#####") and as a cost ("Fixed"): halves away from zero, from the
// decimal digits as written. A text that does not read as a number as a whole is left as it
// is. A computed number is taken at its shortest decimal form.
TEST(Numbers, WholeAndFixedFormats) {
    // clang-format off
    const char* const cases[][3] = {
        {"2", "2", "2.00"},           {"2.5", "3", "2.50"},         {"-2.5", "-3", "-2.50"},
        {"0", "", "0.00"},            {"-0.4", "", "-0.40"},        {".5", "1", "0.50"},
        {"1.005", "1", "1.01"},       {"-1.005", "-1", "-1.01"},    {"9.995", "10", "10.00"},
        {"-0.001", "", "0.00"},       {"1E2", "100", "100.00"},     {"\t007 ", "7", "7.00"},
        {"5.", "5", "5.00"},          {"0e999999", "", "0.00"},     {"", "", ""},
        {"12 oz", "12 oz", "12 oz"},  {"1 2", "1 2", "1 2"},        {"--1", "--1", "--1"},
        {".", ".", "."},              {"1e", "1e", "1e"},           {"1e400", "1e400", "1e400"},
        {"123456789.125", "123456789", "123456789.13"}};
    // clang-format on
    for (const auto& row : cases) {
        EXPECT_EQ(formatWhole(row[0]) + '|' + formatFixed(row[0]), QString(row[1]) + '|' + row[2])
            << row[0];
        EXPECT_EQ(readsAsNumber(row[0]), QString(row[2]) != row[0]) << row[0];
    }
    EXPECT_EQ(formatFixed(1.005) + '|' + formatWhole(2.5), "1.01|3");
    EXPECT_THROW(formatFixed(std::numeric_limits<double>::infinity()), Failure);
}

TEST(Numbers, WholeConversionsAndMoneyRoundHalvesToEven) {
    EXPECT_EQ(QList<qint32>({toLong(2.5), toLong(3.5), toLong(-2.5)}), QList<qint32>({2, 4, -2}));
    EXPECT_THROW(toInteger(32767.5), Failure);
    test::expectFailure([] { toInteger(QStringLiteral("12abc")); }, "Type mismatch");
    // 1/32 and 3/32 are exact in binary: their fifth decimal is a true half.
    QStringList texts;
    for (double value : {0.03125, 0.09375, -0.03125})
        texts << QString::number(Money::fromDouble(value).units());
    for (qint64 units : {50, 49, -49, -5000, 123456789})
        texts << Money::fromUnits(units).toFixed();
    EXPECT_EQ(texts.join(' '), "312 938 -312 0.01 0.00 0.00 -0.50 12345.68");
    Money m = Money::fromUnits(std::numeric_limits<qint64>::min());
    EXPECT_THROW(m += Money::fromUnits(-1), Failure);
    EXPECT_EQ(m.toFixed(), "-922337203685477.58"); // unchanged by the failed sum
}
