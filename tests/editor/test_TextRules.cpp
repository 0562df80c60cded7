// Case conversions of the editor's text fields.
#include "editor/TextRules.h"

#include <gtest/gtest.h>

using namespace cw;

TEST(ProperCase, WordsStartOnlyAfterBlanksAndControlSeparators) {
    const std::pair<QString, QString> cases[] = {
        {"HALF-GALLON MILK", "Half-gallon Milk"},
        {"o'brien's", "O'brien's"},
        {"2lb bag", "2lb Bag"},
        {"a.b/c d", "A.b/c D"},
        {"  two  blanks ", "  Two  Blanks "},
        {"tab\tcr\rlf\nvt\vff\fnul" + QString(QChar(0)) + "end",
         "Tab\tCr\rLf\nVt\vFf\fNul" + QString(QChar(0)) + "End"},
        {QString::fromUtf8("ÉCOLE über\u00a0alles"), QString::fromUtf8("École Über\u00a0alles")},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ProperCase(in), out) << in.toStdString();
}

TEST(CaseConversions, MapEachCharacterOnItsOwn) {
    EXPECT_EQ(UpperCase("aisle 7b-x"), "AISLE 7B-X");
    // No letter turns into two: the field keeps its length.
    EXPECT_EQ(UpperCase(QString::fromUtf8("straße")), QString::fromUtf8("STRAßE"));
    EXPECT_EQ(ProperCase(QString::fromUtf8("STRAßE ÿ")), QString::fromUtf8("Straße Ÿ"));
}

TEST(ConvertByOption, OptionIsComparedTrimmedInAnyCase) {
    EXPECT_EQ(ConvertByOption("fresh BREAD", "proper"), "Fresh Bread");
    EXPECT_EQ(ConvertByOption("fresh BREAD", "  PROPER "), "Fresh Bread");
    EXPECT_EQ(ConvertByOption("fresh BREAD", "Upper"), "FRESH BREAD");
    for (const char* other : {"None", "", "propercase", "lower"})
        EXPECT_EQ(ConvertByOption("fresh BREAD", other), "fresh BREAD") << other;
}

TEST(ReadsAsPlainNumber, SignDigitsOnePointAndBlanksOnly) {
    for (const char* yes : {"3", " 2.5 ", "-1", "+.5", "7.", "0012"})
        EXPECT_TRUE(ReadsAsPlainNumber(yes)) << yes;
    for (const char* no : {"", "  ", ".", "abc", "1.2.3", "1,000", "$5", "1e3", "2E-1", "3 4"})
        EXPECT_FALSE(ReadsAsPlainNumber(no)) << no;
}
