// Import of version-5 data: the new record files byte for byte, the boxes shown, the old
// files left alone, and the program ended.
#include "commands/ImportCommand.h"

#include "TestContext.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

QString leftOut(int count) {
    return QString::number(count) + " items of src.dat were not imported because their category "
                                    "is missing from cat.dat or could not be imported.";
}

class Import : public ::testing::Test {
protected:
    // Puts cat.dat and src.dat of a fixture in place, over current data files.
    void copyFixture(const QString& name) {
        for (const char* file : {"cat.dat", "src.dat"})
            writeFile(t.path(file), readFile(CARTWISE_TEST_DATA "/" + name + '/' + file));
        writeFile(t.catFile(), categoryRecord("Old category"));
        writeFile(t.srcFile(), categoryRecord("Old item"));
    }
    // Answers Yes and runs the import: the old files come out unchanged, and after any
    // messages in `before` the closing one is shown and the program ends.
    void importAndEnd(const std::vector<QString>& before) {
        const QByteArray cat = readFile(t.path("cat.dat")), src = readFile(t.path("src.dat"));
        t.prompts.clear();
        t.prompts.answerYes();
        t.end.calls = 0;
        mnuImportData_Click(t.ctx);
        EXPECT_EQ(readFile(t.path("cat.dat")) + readFile(t.path("src.dat")), cat + src);

        std::vector<QString> expected{t.prompts.boxes.front().text};
        expected.insert(expected.end(), before.begin(), before.end());
        expected.push_back("The conversion has taken place. The program will now terminate");
        EXPECT_EQ(t.prompts.messages(), expected);
        EXPECT_EQ(t.end.calls, 1);
        EXPECT_EQ(t.settings.values.count("sort"), 0u);
    }

    TestContext t;
};

TEST_F(Import, OldRecordsReplaceTheCurrentDataAndTheProgramEnds) {
    const QByteArray dairy = categoryRecord("Dairy"), bakery = categoryRecord("Bakery");
    // (A plain import is one of the end-to-end stories.)
    // Categories blank, Dairy, blank, Bakery: Dairy becomes 1 and Bakery 2; the items of the
    // blank records 1 and 3 and of categories 0, -1 and 5 are left out and counted.
    copyFixture("v5_blank_category_first");
    importAndEnd({leftOut(5)});
    EXPECT_EQ(readFile(t.catFile()), dairy + bakery);
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "1", "2.49", "1 gal", 1, "", "Y", "1"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", "1"}) +
                  itemRecord({"Butter", "1", "3.29", "1 lb", 1, "", "Y", "2"}));

    // Both files end inside their last record (src.dat after the low byte of Bread's category
    // number): the missing bytes read as blanks.
    copyFixture("v5_truncated_last_records");
    importAndEnd({});
    EXPECT_EQ(readFile(t.catFile()), dairy + bakery);
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "2", "2.49", "1 gal", 1, "", "Y", "2"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", ""}));
}

TEST_F(Import, CorruptOldFilesImportWithoutACrashOrDetachedItems) {
    // Every byte value, lengths that are not whole records, and category numbers -3 to 46.
    QRandomGenerator random(12345);
    QByteArray cat(15 * 40 + 9, '\0'), src(61 * 300 + 40, '\0');
    for (QByteArray* bytes : {&cat, &src})
        std::generate(bytes->begin(), bytes->end(), [&] { return char(random.generate()); });
    for (int i = 0; i < 300; ++i) {
        src[i * 61 + 53] = static_cast<char>(i % 50 - 3);
        src[i * 61 + 54] = i % 50 < 3 ? '\xFF' : '\0';
    }
    writeFile(t.path("cat.dat"), cat); // 41 records, none blank
    writeFile(t.path("src.dat"), src);
    // Of every 50 items, 41 name a category (1 to 41, in order); the other 9 and the partial
    // last record (category 0) are left out.
    importAndEnd({leftOut(55)});
    ASSERT_EQ(readFile(t.catFile()).size(), 41 * 50);
    const QByteArray items = readFile(t.srcFile());
    ASSERT_EQ(items.size(), 6 * 41 * 235);
    for (int k = 0; k < 6 * 41; ++k) // the category ID: 32 bits, little-endian, at byte 120
        EXPECT_EQ(items.mid(k * 235 + 120, 4), char(k % 41 + 1) + QByteArray(3, '\0')) << k + 1;
}

TEST_F(Import, MissingOldFilesAreNamedAndNothingIsDeleted) {
    // src.dat is looked for first.
    for (const QString gone : {"src.dat", "cat.dat src.dat", "cat.dat"}) {
        copyFixture("v5_three_categories");
        for (const QString& name : gone.split(' '))
            QFile::remove(t.path(name));
        t.prompts.answerYes();
        mnuImportData_Click(t.ctx);
        EXPECT_EQ(t.prompts.messages().back(),
                  "The " + gone.right(7) +
                      " file could not be located in the current working directory.");
        EXPECT_EQ(readFile(t.catFile()) + readFile(t.srcFile()),
                  categoryRecord("Old category") + categoryRecord("Old item"));
    }
    EXPECT_EQ(t.prompts.boxes.size(), 6u); // the question and the message, three times
    EXPECT_EQ(t.end.calls, 0);
}

} // namespace
