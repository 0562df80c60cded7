// Record layouts at byte level: the two record shapes, field widths, the code page, record
// counting and what lies beyond the end of a file.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/CodePage.h"
#include "store/RecordFile.h"
#include "store/SortedList.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

const QByteArray kBlankItem = QByteArray(120, ' ') + QByteArray(4, '\0') + QByteArray(111, ' ');

} // namespace

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
    const QByteArray expected =
        QByteArray("Milk") + QByteArray(46, ' ') + "2" + QByteArray(9, ' ') + "1.29" +
        QByteArray(6, ' ') + "1 gal" + QByteArray(45, ' ') + QByteArray("\x03\x00\x00\x00", 4) +
        "05" + QByteArray(48, ' ') + "Y" + "2" + QByteArray(9, ' ') + QByteArray(50, ' ');
    ASSERT_EQ(expected.size(), 235);
    EXPECT_EQ(readFile(t.srcFile()), expected);

    cSourceItem r(t.ctx);
    ASSERT_TRUE(r.blnFindRecord(1));
    EXPECT_EQ(r.lngCatID, 3);
    EXPECT_EQ(r.strItem, "Milk");
    EXPECT_EQ(r.strQuantity, "2");
    EXPECT_EQ(r.strCost, "1.29");
    EXPECT_EQ(r.strSize, "1 gal");
    EXPECT_EQ(r.strIsle, "05");
    EXPECT_EQ(r.strSelectedYN, "Y");
    EXPECT_EQ(r.strSelectedQuantity, "2");
    EXPECT_EQ(r.strFuture, "");
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(FieldWidth, LongerTextsAreCutOnTheRight) {
    TestContext t;
    const QString name51 = QString(50, 'c') + 'X';
    cCategory c(t.ctx);
    c.strCategory = name51;
    ASSERT_EQ(c.lngAddRecord(), 1);
    EXPECT_EQ(readFile(t.catFile()), QByteArray(50, 'c'));

    cSourceItem s(t.ctx);
    s.lngCatID = 1;
    s.strItem = QString(50, 'd') + 'X';
    s.strSize = QString(50, QChar(0xE9)) + 'X'; // one byte per character in the file
    s.strIsle = QString(50, 'i') + 'X';
    s.strSelectedQuantity = "12345678901";
    ASSERT_EQ(s.lngAddRecord(), 1);
    const QByteArray rec = readFile(t.srcFile());
    ASSERT_EQ(rec.size(), 235);
    EXPECT_EQ(rec.mid(0, 50), QByteArray(50, 'd'));
    EXPECT_EQ(rec.mid(70, 50), QByteArray(50, '\xE9'));
    EXPECT_EQ(rec.mid(124, 50), QByteArray(50, 'i'));
    EXPECT_EQ(rec.mid(175, 10), "1234567890");

    SortedList lb;
    ASSERT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(entries(lb), (Entries{{QString(50, 'c'), 1}}));
    cSourceItem r(t.ctx);
    r.blnFindRecord(1);
    EXPECT_EQ(r.strItem, QString(50, 'd'));
    EXPECT_EQ(r.strSize, QString(50, QChar(0xE9)));
}

TEST(CodePage, EveryByteRoundTrips) {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(text[0x80].unicode(), 0x20AC);
    EXPECT_EQ(text[0x8C].unicode(), 0x0152);
    EXPECT_EQ(text[0x9F].unicode(), 0x0178);
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[undefined].unicode(), undefined);
    EXPECT_EQ(text[0xA0].unicode(), 0xA0);
    EXPECT_EQ(text[0xFF].unicode(), 0xFF);
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(toCp1252(QStringLiteral("Œuf €2")), QByteArray("\x8Cuf \x80") + '2');
    EXPECT_EQ(toCp1252(QString::fromUtf8("日本")), "??");
    EXPECT_EQ(toCp1252(QString(QChar(0x80))), "?"); // a C1 control, not the euro sign
    EXPECT_EQ(toCp1252(QString::fromUtf16(u"a\U0001F34Eb")), "a?b"); // one per character
}

TEST(CodePage, StoreKeepsEveryByteOfAField) {
    // Every byte but the space, in category names: found and written back unchanged.
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        if (i != ' ') bytes.append(static_cast<char>(i));
    QByteArray file;
    for (int at = 0; at < bytes.size(); at += 50)
        file += categoryRecord(bytes.mid(at, 50));
    TestContext t;
    writeFile(t.catFile(), file);
    for (qint32 id = 1; id <= file.size() / 50; ++id) {
        cCategory c(t.ctx);
        ASSERT_TRUE(c.blnFindRecord(id));
        ASSERT_TRUE(c.blnEditRecord(id));
    }
    EXPECT_EQ(readFile(t.catFile()), file);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(RecordCount, LengthOverRecordLengthRoundedHalfToEven) {
    EXPECT_EQ(RecordFile::recordCount(0, 50), 0);
    EXPECT_EQ(RecordFile::recordCount(24, 50), 0);
    EXPECT_EQ(RecordFile::recordCount(25, 50), 0); // 0.5
    EXPECT_EQ(RecordFile::recordCount(26, 50), 1);
    EXPECT_EQ(RecordFile::recordCount(75, 50), 2);  // 1.5
    EXPECT_EQ(RecordFile::recordCount(125, 50), 2); // 2.5
    EXPECT_EQ(RecordFile::recordCount(175, 50), 4); // 3.5
    EXPECT_EQ(RecordFile::recordCount(235 * 3 + 117, 235), 3);
    EXPECT_EQ(RecordFile::recordCount(235 * 3 + 118, 235), 4);
}

TEST(MissingFile, CountsAsEmptyAndExistsAfterTheFirstOperation) {
    TestContext t;
    ASSERT_FALSE(QFile::exists(t.catFile()));
    ASSERT_FALSE(QFile::exists(t.srcFile()));
    SortedList lb;
    lb.addEntry("stale", 9);
    cCategory c(t.ctx);
    EXPECT_TRUE(c.blnRefreshList(lb));
    EXPECT_EQ(lb.count(), 0);
    EXPECT_TRUE(QFile::exists(t.catFile()));
    EXPECT_EQ(QFile(t.catFile()).size(), 0);

    cSourceItem s(t.ctx);
    EXPECT_TRUE(s.blnRefreshList(lb, 0));
    EXPECT_TRUE(QFile::exists(t.srcFile()));
    EXPECT_EQ(QFile(t.srcFile()).size(), 0);
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST(BeyondTheEnd, ReadsAsABlankRecordAndChangesNothing) {
    TestContext t;
    const QByteArray file = itemRecord({"Milk", "2", "1.29", "", 3, "05", "Y", "2"});
    writeFile(t.srcFile(), file);
    cSourceItem s(t.ctx);
    s.strItem = "stale";
    s.lngCatID = 9;
    ASSERT_TRUE(s.blnFindRecord(7));
    EXPECT_EQ(s.lngCatID, 0);
    EXPECT_EQ(s.strItem, "");
    EXPECT_EQ(s.strSelectedYN, "");
    EXPECT_EQ(readFile(t.srcFile()), file);

    writeFile(t.catFile(), categoryRecord("Dairy"));
    cCategory c(t.ctx);
    ASSERT_TRUE(c.blnFindRecord(3));
    EXPECT_EQ(c.strCategory, "");
    EXPECT_EQ(QFile(t.catFile()).size(), 50);
}

TEST(BeyondTheEnd, AWritePastTheEndFillsTheGapWithBlankRecords) {
    TestContext t;
    const QByteArray first = itemRecord({"Milk", "2", "1.29", "", 3, "05", "N", "2"});
    writeFile(t.srcFile(), first);
    cSourceItem s(t.ctx);
    ASSERT_TRUE(s.blnSelectRecord(4, "1"));
    const QByteArray bytes = readFile(t.srcFile());
    ASSERT_EQ(bytes.size(), 4 * 235);
    EXPECT_EQ(bytes.mid(235, 235), kBlankItem);
    EXPECT_EQ(bytes.mid(470, 235), kBlankItem);
    // The skipped records are free slots: the next add takes the first of them.
    s.strItem = "Bread";
    s.lngCatID = 2;
    EXPECT_EQ(s.lngAddRecord(), 2);

    writeFile(t.catFile(), categoryRecord("Dairy"));
    cCategory c(t.ctx);
    c.strCategory = "Bakery";
    ASSERT_TRUE(c.blnEditRecord(3));
    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Dairy") + QByteArray(50, ' ') + categoryRecord("Bakery"));
}
