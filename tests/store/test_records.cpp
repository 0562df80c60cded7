// Record layouts at byte level: the item record, field widths, the code page, free slots and
// record counting.
#include "StoreHelpers.h"
#include "core/CodePage.h"
#include "store/RecordFile.h"
#include "store/cCategory.h"

#include <QFile>

using namespace cw;
using namespace cw::test;

TEST(SourceItemRecord, MilkExampleIsByteExact) {
    TestContext t;
    cSourceItem s(t.ctx);
    setFields(s, {"Milk", "2", "1.29", "1 gal", "3", "05", "Y", "2"});
    EXPECT_EQ(s.lngAddRecord(), 1);
    const QByteArray expected =
        QByteArray("Milk") + QByteArray(46, ' ') + "2" + QByteArray(9, ' ') + "1.29" +
        QByteArray(6, ' ') + "1 gal" + QByteArray(45, ' ') + QByteArray("\x03\x00\x00\x00", 4) +
        "05" + QByteArray(48, ' ') + "Y" + "2" + QByteArray(9, ' ') + QByteArray(50, ' ');
    EXPECT_EQ(readFile(t.srcFile()), expected);
    cSourceItem r(t.ctx);
    ASSERT_TRUE(r.blnFindRecord(1));
    EXPECT_EQ(fields(r).join('|') + '|' + r.strFuture, "Milk|2|1.29|1 gal|3|05|Y|2|");
}

TEST(FieldWidth, LongerTextsAreCutOnTheRight) {
    TestContext t;
    cCategory c(t.ctx);
    c.strCategory = QString(50, 'c') + 'X';
    ASSERT_EQ(c.lngAddRecord(), 1);
    EXPECT_EQ(readFile(t.catFile()), QByteArray(50, 'c'));
    cSourceItem s(t.ctx);
    // Texts one longer than their fields; a character is one byte in the file.
    setFields(s, {QString(50, 'd') + 'X', "", "", QString(50, QChar(0xE9)) + 'X', "1",
                  QString(50, 'i') + 'X', "", "12345678901"});
    ASSERT_EQ(s.lngAddRecord(), 1);
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({QByteArray(50, 'd'), "", "", QByteArray(50, '\xE9'), 1,
                          QByteArray(50, 'i'), "N", "1234567890"}));
}

TEST(CodePage, EveryByteRoundTripsAndMissingCharactersBecomeQuestionMarks) {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(text.mid(0x80, 1) + text.mid(0x8C, 1) + text.mid(0x9F, 1), QString::fromUtf8("€ŒŸ"));
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0, 0xFF})
        EXPECT_EQ(text[undefined].unicode(), undefined);
    EXPECT_EQ(toCp1252(QString::fromUtf8("Œuf €2 日本")), QByteArray("\x8Cuf \x80") + "2 ??");
    EXPECT_EQ(toCp1252(QString::fromUtf16(u"a\U0001F34Eb")), "a?b"); // one per character
}

TEST(FreeSlots, DeletedRecordsAreReusedBeforeEitherFileGrows) {
    TestContext t;
    cCategory c(t.ctx);
    for (qint32 id : {1, 2, 3}) {
        c.strCategory = QString("  Cat %1").arg(id); // trimmed into record one only
        ASSERT_EQ(c.lngAddRecord(), id);
    }
    ASSERT_TRUE(c.blnDeleteRecord(2));
    c.strCategory = "  cat 2";
    EXPECT_EQ(c.lngAddRecord(), 2);
    c.strCategory = " Cat 3 "; // a rename trims
    ASSERT_TRUE(c.blnEditRecord(3));
    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Cat 1") + categoryRecord("  cat 2") + categoryRecord("Cat 3"));

    cSourceItem s(t.ctx);
    s.lngCatID = 1;
    for (qint32 id = 1; id <= 5; ++id) { // 5 has no description but a category: not free
        s.strItem = id < 5 ? QString("Item %1").arg(id) : QString();
        ASSERT_EQ(s.lngAddRecord(), id);
    }
    ASSERT_TRUE(s.blnDeleteRecord(3));
    EXPECT_EQ(readFile(t.srcFile()).mid(470, 235), kBlankItem);
    EXPECT_EQ(s.lngAddRecord(), 3);
    EXPECT_EQ(QFile(t.srcFile()).size(), 1175);
    EXPECT_EQ(s.lngAddRecord(), 6);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(RecordCount, LengthOverRecordLengthRoundedHalfToEven) {
    const std::pair<qint64, qint64> cases[] = {{0, 0},  {24, 0},  {25, 0}, {26, 1},
                                               {75, 2}, {125, 2}, {175, 4}};
    for (const auto& [length, count] : cases)
        EXPECT_EQ(RecordFile::recordCount(length, 50), count) << length;
}
