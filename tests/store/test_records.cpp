// The record files: layouts at byte level (the item record, field widths, the code page, free
// records, record counting) and the scans over a whole file (listing and deleting by category,
// the shopping list in its three orders, the total).
#include "TestContext.h"
#include "core/CodePage.h"
#include "store/RecordFile.h"

using namespace cw;
using namespace cw::test;

namespace {

Item milk() {
    Item item;
    item.description = " Milk";
    item.quantity = "1.5"; // numbers are formatted
    item.cost = "1.285";
    item.size = "1 gal" + QString(45, ' ') + "jug"; // cut before the category ID
    item.categoryId = 3;
    item.aisle = "05";
    item.listMark = "Y";
    item.listQuantity = "2";
    return item;
}

} // namespace

TEST(Records, ItemRecordIsByteExactWithNumbersFormattedAndTextsCut) {
    TestContext t;
    ItemStore store(t.ctx);
    ASSERT_EQ(store.add(milk()), 1);
    const QByteArray added = "Milk" + QByteArray(46, ' ') + "2         1.29      1 gal" +
                             QByteArray(45, ' ') + QByteArray("\x03\x00\x00\x00", 4) + "05" +
                             QByteArray(48, ' ') + "Y2" + QByteArray(59, ' ');
    EXPECT_EQ(readFile(t.srcFile()), added);
    // An edit writes the quantity with two decimals and keeps the item's place on the list.
    Item edited = milk();
    edited.quantity = "2";
    edited.listMark = "N";
    ASSERT_TRUE(store.edit(1, edited));
    EXPECT_EQ(readFile(t.srcFile()), added.left(50) + "2.00      " + added.mid(60));
    // Numbers are formatted again when read; leading blanks of a field are not kept.
    writeFile(t.srcFile(), itemRecord({"  Jam", " 2.5", "1.005", "", 1, " 4", "", ""}));
    const Item jam = store.find(1);
    EXPECT_EQ(jam.description + '|' + jam.quantity + '|' + jam.cost + '|' + jam.aisle,
              "Jam|3|1.01|4");
    // A category ID takes all four bytes, the lowest first.
    Item far = milk();
    far.categoryId = 0x01000003;
    ASSERT_EQ(store.add(far), 2);
    EXPECT_EQ(readFile(t.srcFile()).mid(235 + 120, 4), QByteArray("\x03\x00\x00\x01", 4));
    EXPECT_EQ(store.find(2).categoryId, 0x01000003);
    EXPECT_EQ(store.listCategory(0x01000003).size(), 1u);
}

TEST(Records, EveryCodePageByteRoundTripsAndMissingCharactersBecomeQuestionMarks) {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const QString text = fromCp1252(all);
    EXPECT_EQ(toCp1252(text), all);
    // The quotes and dashes of 0x91 to 0x97, each its own character.
    EXPECT_EQ(text.mid(0x91, 7), QString::fromUtf16(u"\u2018\u2019\u201C\u201D\u2022\u2013\u2014"));
    EXPECT_EQ(toCp1252(QString::fromUtf16(u"Œuf €, 日本 \U0001F34E")), "\x8Cuf \x80, ?? ?");
}

TEST(Records, DeletedRecordsAreReusedBeforeEitherFileGrows) {
    TestContext t;
    CategoryStore c(t.ctx);
    ASSERT_EQ(c.add("  Cat 1"), 1); // trimmed into the first record only
    ASSERT_TRUE(c.add("  Cat 2") == 2 && c.add("  Cat 2") == 3 && c.remove(2));
    EXPECT_EQ(c.add("  cat 2"), 2);
    ASSERT_TRUE(c.rename(3, ' ' + QString(50, 'c') + "X ")); // a rename trims and cuts
    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Cat 1") + categoryRecord("  cat 2") + QByteArray(50, 'c'));
    ItemStore s(t.ctx);
    Item item;
    item.categoryId = 1; // a record with a category is not free, even without a description
    ASSERT_TRUE(s.add(item) == 1 && s.add(item) == 2);
    s.remove(1);
    EXPECT_EQ(readFile(t.srcFile()).left(235), kBlankItem);
    EXPECT_EQ(s.addAll({item, item}), (std::vector<qint32>{1, 3}));
}

TEST(Records, CountIsLengthOverRecordLengthRoundedHalfToEven) {
    const qint64 cases[][2] = {{24, 0}, {25, 0}, {26, 1}, {75, 2}, {125, 2}, {175, 4}};
    for (const auto& [length, count] : cases)
        EXPECT_EQ(RecordFile::recordCount(length, 50), count) << length;
}

TEST(ItemStore, ListingAndDeletingACategoryTouchExactlyItsRecords) {
    TestContext t;
    const QByteArray other = itemRecord({"Apples", "1", "0.50", "", 70, "5", "N", ""});
    const QByteArray seven = itemRecord({"cheese", "1", "4.00", "", 7, "", "N", ""});
    // Category 7 in records 1 and 2 (without a description: not listed), 4462 and 4463 across
    // the end of the first 1 MiB chunk, and 5000.
    writeFile(t.srcFile(), seven + itemRecord({"", "", "", "", 7, "", "", ""}) +
                               other.repeated(4459) + seven + seven + other.repeated(536) + seven);
    ItemStore s(t.ctx);
    QStringList listed;
    for (const ItemEntry& e : s.listCategory(7))
        listed << e.description + '=' + QString::number(e.id);
    EXPECT_EQ(listed.join(", "), "cheese=1, cheese=4462, cheese=4463, cheese=5000");
    s.removeCategory(7);
    EXPECT_TRUE(readFile(t.srcFile()) == kBlankItem.repeated(2) + other.repeated(4459) +
                                             kBlankItem.repeated(2) + other.repeated(536) +
                                             kBlankItem);
}

TEST(ItemStore, TheListInAllThreeOrdersAndTheTotalOfTheListedItems) {
    TestContext t;
    writeFile(t.catFile(), categoryRecord("Deli") + categoryRecord("") + categoryRecord("Veg"));
    // Listed: marked "Y" with a description. Bun's category was deleted, Jam's is beyond
    // the file, the categories of Eggs and Tea are 0.
    writeFile(t.srcFile(), itemRecord({"Milk", "2", "1.29", "", 1, "05", "Y", "2"}) +
                               itemRecord({"", "1", "9.99", "", 1, "01", "Y", "1"}) +
                               itemRecord({"Bun", "1", "2.49", "", 2, "12", "Y", "1"}) +
                               itemRecord({"Pears", "1", "3.00", "", 3, "5", "y", "1"}) +
                               itemRecord({"apples", "6", "0.50", "", 3, "5", "Y", "6"}) +
                               itemRecord({"Eggs", "1", "0.25", "", 0, "", "Y", "12"}) +
                               itemRecord({"Jam", "1", "3.00", "", 9, "12", "Y", "1"}) +
                               itemRecord({"Tea", "1", "4.00", "", 0, "3", "Y", "1"}));
    EXPECT_EQ(sortList(t.ctx, SortOrder::ByItem), "apples=5, Bun=3, Eggs=6, Jam=7, Milk=1, Tea=8");
    // An empty aisle sorts first, numbers as text: 05, 12, 3, 5.
    EXPECT_EQ(sortList(t.ctx, SortOrder::ByAisle), "Eggs=6, Milk=1, Bun=3, Jam=7, Tea=8, apples=5");
    EXPECT_EQ(sortList(t.ctx, SortOrder::None), "");
    EXPECT_EQ(ItemStore(t.ctx).total().toFixed(), "18.07");
    EXPECT_EQ(sortList(t.ctx, SortOrder::ByCategory),
              "Bun=3, Eggs=6, Jam=7, Tea=8, Milk=1, apples=5");
    // Categories below 1 are one report per pass; a deleted or missing category is no error.
    expectOneReport(t.prompts, "cCategory.blnFindRecord", "Bad record number");
    // Clearing the list sets every mark to "N".
    ItemStore(t.ctx).clearList();
    for (int at = 174; at < 8 * 235; at += 235)
        EXPECT_EQ(readFile(t.srcFile())[at], 'N') << "record " << at / 235 + 1;
    writeFile(t.srcFile(), itemRecord({"Soap", "1", "1.29", "", 1, "", "Y", "3"}).repeated(10));
    EXPECT_EQ(ItemStore(t.ctx).total().toFixed(), "38.70"); // exact to the cent
    // 1.23 x 0.10035 = 0.1234305: each product is rounded to four decimals, 0.1234. Cost and
    // list quantity are the leading numbers of the raw fields: -1.50 x "1 2 kg" = -18.
    writeFile(t.srcFile(),
              itemRecord({"Spice", "1", "1.23", "", 1, "", "Y", "0.10035"}).repeated(10) +
                  itemRecord({"A", "5", "-1.50", "", 1, "", "Y", "1 2 kg"}));
    EXPECT_EQ(ItemStore(t.ctx).total().units(), 12340 - 180000);
}
