// The record files: layouts at byte level (the item record, field widths, the code page, free
// slots, record counting) and the scans over a whole file (listing and deleting by category,
// the sort list in its three orders, the total).
#include "TestContext.h"
#include "core/CodePage.h"
#include "store/RecordFile.h"
#include "store/cCategory.h"

using namespace cw;
using namespace cw::test;

TEST(Records, ItemRecordIsByteExactWithNumbersFormattedAndTextsCut) {
    TestContext t;
    cSourceItem s(t.ctx);
    s.strItem = " Milk";
    s.strQuantity = "1.5"; // numbers are formatted
    s.strCost = "1.285";
    s.strSize = "1 gal" + QString(45, ' ') + "jug"; // cut before the category ID
    s.lngCatID = 3;
    s.strIsle = "05";
    s.strSelectedYN = "Y";
    s.strSelectedQuantity = "2";
    ASSERT_EQ(s.lngAddRecord(), 1);
    EXPECT_EQ(readFile(t.srcFile()), "Milk" + QByteArray(46, ' ') + "2         1.29      1 gal" +
                                         QByteArray(45, ' ') + QByteArray("\x03\x00\x00\x00", 4) +
                                         "05" + QByteArray(48, ' ') + "Y2" + QByteArray(59, ' '));
    // Numbers are formatted again when read.
    writeFile(t.srcFile(), itemRecord({"Jam", " 2.5", "1.005", "", 1, "", "", ""}));
    ASSERT_TRUE(s.blnFindRecord(1));
    EXPECT_EQ(s.strItem + '|' + s.strQuantity + '|' + s.strCost, "Jam|3|1.01");
}

TEST(Records, EveryCodePageByteRoundTripsAndMissingCharactersBecomeQuestionMarks) {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const QString text = fromCp1252(all);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(toCp1252(QString::fromUtf16(u"Œuf €, 日本 \U0001F34E")), "\x8Cuf \x80, ?? ?");
}

TEST(Records, DeletedSlotsAreReusedBeforeEitherFileGrows) {
    TestContext t;
    cCategory c(t.ctx);
    c.strCategory = "  Cat 1"; // trimmed into the first record only
    ASSERT_EQ(c.lngAddRecord(), 1);
    c.strCategory = "  Cat 2";
    ASSERT_TRUE(c.lngAddRecord() == 2 && c.lngAddRecord() == 3 && c.blnDeleteRecord(2));
    c.strCategory = "  cat 2";
    EXPECT_EQ(c.lngAddRecord(), 2);
    c.strCategory = ' ' + QString(50, 'c') + "X "; // a rename trims and cuts
    ASSERT_TRUE(c.blnEditRecord(3));
    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Cat 1") + categoryRecord("  cat 2") + QByteArray(50, 'c'));
    cSourceItem s(t.ctx);
    s.lngCatID = 1; // a record with a category is not free, even without a description
    ASSERT_TRUE(s.lngAddRecord() == 1 && s.lngAddRecord() == 2 && s.blnDeleteRecord(1));
    EXPECT_EQ(readFile(t.srcFile()).left(235), kBlankItem);
    EXPECT_EQ(s.lngAddRecord(), 1);
    EXPECT_EQ(s.lngAddRecord(), 3);
}

TEST(Records, CountIsLengthOverRecordLengthRoundedHalfToEven) {
    const qint64 cases[][2] = {{24, 0}, {25, 0}, {26, 1}, {75, 2}, {125, 2}, {175, 4}};
    for (const auto& [length, count] : cases)
        EXPECT_EQ(RecordFile::recordCount(length, 50), count) << length;
}

TEST(SourceItemStore, ListingAndDeletingACategoryTouchExactlyItsRecords) {
    TestContext t;
    const QByteArray other = itemRecord({"Apples", "1", "0.50", "", 70, "5", "N", ""});
    const QByteArray seven = itemRecord({"cheese", "1", "4.00", "", 7, "", "N", ""});
    // Category 7 in records 1 and 2 (without a description: not listed), 4462 and 4463 across
    // the end of the first 1 MiB chunk, and 5000.
    writeFile(t.srcFile(), seven + itemRecord({"", "", "", "", 7, "", "", ""}) +
                               other.repeated(4459) + seven + seven + other.repeated(536) + seven);
    SortedList lb;
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnRefreshList(lb, 7));
    EXPECT_EQ(entries(lb), "cheese=1, cheese=4462, cheese=4463, cheese=5000");
    ASSERT_TRUE(s.blnDeleteCategory(7));
    EXPECT_TRUE(readFile(t.srcFile()) == kBlankItem.repeated(2) + other.repeated(4459) +
                                             kBlankItem.repeated(2) + other.repeated(536) +
                                             kBlankItem);
}

TEST(SourceItemStore, SortListKeysInAllThreeOrdersAndTheTotalOfTheListedItems) {
    TestContext t;
    writeFile(t.catFile(), categoryRecord("Deli") + categoryRecord("") + categoryRecord("Veg"));
    // Listed: flagged "Y" with a description. Bun's category was deleted, Jam's is beyond
    // the file, the IDs of Eggs and Tea are 0.
    writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.29", "", 1, "05", "Y", "2"}) +
                               itemRecord({"", "1", "9.99", "", 1, "01", "Y", "1"}) +
                               itemRecord({"Bun", "1", "2.49", "", 2, "12", "Y", "1"}) +
                               itemRecord({"Pears", "1", "3.00", "", 3, "5", "y", "1"}) +
                               itemRecord({"apples", "6", "0.50", "", 3, "5", "Y", "6"}) +
                               itemRecord({"Eggs", "1", "0.25", "", 0, "", "Y", "12"}) +
                               itemRecord({"Jam", "1", "3.00", "", 9, "12", "Y", "1"}) +
                               itemRecord({"Tea", "1", "4.00", "", 0, "3", "Y", "1"}));
    EXPECT_EQ(sortList(t.ctx, "Sorted by Item"),
              "Sorted by Item: apples=5, Bun=3, Eggs=6, Jam=7, Milk=1, Tea=8");
    // The caption is trimmed and read without regard to case; an unknown one lists nothing.
    EXPECT_EQ(sortList(t.ctx, "  sorted BY isle "),
              "sorted BY isle: .Eggs=6, 05.Milk=1, 12.Bun=3, 12.Jam=7, 3.Tea=8, 5.apples=5");
    EXPECT_EQ(sortList(t.ctx, "Sorted by Price"), "Sorted by Price: ");
    EXPECT_EQ(cSourceItem(t.ctx).Calculate().toFixed(), "18.07");
    EXPECT_EQ(sortList(t.ctx, "Sorted by Category"),
              "Sorted by Category: .Bun=3, .Eggs=6, .Jam=7, .Tea=8, Deli.Milk=1, Veg.apples=5");
    // IDs below 1 are one report per rebuild; a deleted or missing category is no error.
    expectOneReport(t.prompts, "cCategory.blnFindRecord", "Bad record number");
    // Clearing the list sets every flag to "N".
    ASSERT_TRUE(cSourceItem(t.ctx).blnClearSelections());
    for (int at = 174; at < 8 * 235; at += 235)
        EXPECT_EQ(readFile(t.srcFile())[at], 'N') << "record " << at / 235 + 1;
    writeFile(t.srcFile(), itemRecord({"Soap", "1", "1.29", "", 1, "", "Y", "3"}).repeated(10));
    EXPECT_EQ(cSourceItem(t.ctx).Calculate().toFixed(), "38.70"); // exact to the cent
    // 1.23 x 0.10035 = 0.1234305: each product is rounded to four decimals, 0.1234. Cost and
    // selected quantity are the leading numbers of the raw fields: -1.50 x "1 2 kg" = -18.
    writeFile(t.srcFile(),
              itemRecord({"Spice", "1", "1.23", "", 1, "", "Y", "0.10035"}).repeated(10) +
                  itemRecord({"A", "5", "-1.50", "", 1, "", "Y", "1 2 kg"}));
    EXPECT_EQ(cSourceItem(t.ctx).Calculate().units(), 12340 - 180000);
}
