// Import of version-5 data: the new record files byte for byte, the boxes shown, the old
// files left alone, and the program ended.
#include "app/ImportCommand.h"

#include "FileSizeLimit.h"
#include "TestContext.h"
#include "store/SortedList.h"
#include "store/cSourceItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

QByteArray oldCategory(const QByteArray& name) {
    return padded(name, 15);
}

QByteArray oldItem(const QByteArray& description, const QByteArray& quantity,
                   const QByteArray& cost, const QByteArray& size, qint16 category,
                   const QByteArray& selected, const QByteArray& selectedQuantity) {
    const auto n = static_cast<quint16>(category);
    return padded(description, 25) + padded(quantity, 5) + padded(cost, 8) + padded(size, 15) +
           static_cast<char>(n & 0xFF) + static_cast<char>(n >> 8) + padded(selected, 1) +
           padded(selectedQuantity, 5);
}

QString errorText(const QString& prefixAndDescription) {
    return QStringLiteral("An error has occured: \r\n") + prefixAndDescription + '.';
}

const QString kClosing =
    QStringLiteral("The conversion has taken place. The program will now terminate");

class Import : public ::testing::Test {
protected:
    QString oldCat() const { return t.path("cat.dat"); }
    QString oldSrc() const { return t.path("src.dat"); }

    void copyFixture(const QString& name) {
        for (const char* file : {"cat.dat", "src.dat"})
            writeFile(t.path(file),
                      readFile(QStringLiteral(CARTWISE_TEST_DATA "/") + name + '/' + file));
    }
    void writeCurrentData() {
        writeFile(t.catFile(), categoryRecord("Old category"));
        writeFile(t.srcFile(), itemRecord({"Old item", "1", "1.00", "", 1, "3", "Y", "1"}));
    }
    // Answers Yes to the question and runs the command; the old files must come out unchanged.
    void importConfirmed() {
        const QByteArray cat = readFile(oldCat()), src = readFile(oldSrc());
        t.prompts.answerYes();
        mnuImportData_Click(t.ctx);
        EXPECT_EQ(readFile(oldCat()), cat);
        EXPECT_EQ(readFile(oldSrc()), src);
    }
    // The finishing boxes: any messages before the closing one, the closing one, the end.
    void expectFinished(const std::vector<QString>& before) {
        std::vector<QString> expected{t.prompts.boxes.front().text};
        expected.insert(expected.end(), before.begin(), before.end());
        expected.push_back(kClosing);
        EXPECT_EQ(t.prompts.messages(), expected);
        const Box& closing = t.prompts.boxes.back();
        EXPECT_EQ(closing.icon, MsgIcon::Information);
        EXPECT_EQ(closing.buttons, MsgButtons::Ok);
        EXPECT_EQ(closing.caption, QString());
        EXPECT_EQ(t.end.calls, 1);
        EXPECT_EQ(t.settings.values.count("sort"), 0u);
    }

    TestContext t;
};

TEST_F(Import, ThreeCategoriesAndTheirItemsReplaceTheCurrentData) {
    copyFixture("v5_three_categories");
    writeCurrentData();
    importConfirmed();

    const Box& question = t.prompts.boxes.front();
    EXPECT_EQ(question.text,
              "If you have an earlier version of Cartwise (Ver 5.0, 5.1 or 5.2), you can import "
              "that data into Version 6.\r\n\r\nThis is what you have to do first. Find the "
              "following files in your old version working directory and copy them to the new "
              "version directory which is: " +
                  t.dir.path() +
                  ". The file names are: 'cat.dat' and 'src.dat'\r\n\r\nThen return to this "
                  "option and direct the program to import the data. After the conversion, you "
                  "may delete 'cat.dat' and 'src.dat'. WARNING! All current data in Version 6.0 "
                  "will be replaced.\r\n\r\nImport data now ?");
    EXPECT_EQ(question.caption, "Import Data Now ?");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    expectFinished({});

    EXPECT_EQ(readFile(t.catFile()),
              categoryRecord("Dairy") + categoryRecord("Bakery") + categoryRecord("Produce"));
    // Blank old records are skipped, the isle is empty, numbers take the store's formats.
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "2", "2.49", "1 gal", 1, "", "Y", "2"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", "1"}) +
                  itemRecord({"Apples", "6", "0.50", "each", 3, "", "Y", "3"}) +
                  itemRecord({"Cheddar", "1", "4.00", "8 oz", 1, "", "N", ""}));

    // The old shopping list is the current one, with its quantities.
    cSourceItem items(t.ctx);
    SortedList list;
    QString sort = QStringLiteral("Sorted by Item");
    ASSERT_TRUE(items.blnRefreshSortList(list, sort));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemData(0), 3);                 // Apples
    EXPECT_EQ(list.itemData(1), 1);                 // Milk
    EXPECT_EQ(items.Calculate().toFixed(), "6.48"); // 2 x 2.49 + 3 x 0.50
}

TEST_F(Import, ItemsFollowTheirCategoryPastBlankRecords) {
    // cat.dat: blank, Dairy, blank, Bakery. Dairy becomes 1 and Bakery 2; items naming the
    // blank records 1 and 3, category 0, -1 or 5 have nowhere to go and are left out.
    copyFixture("v5_blank_category_first");
    importConfirmed();

    expectFinished({"5 items of src.dat were not imported because their category is missing "
                    "from cat.dat or could not be imported."});
    const Box& leftOut = t.prompts.boxes[1];
    EXPECT_EQ(leftOut.icon, MsgIcon::Information);
    EXPECT_EQ(leftOut.caption, "Cartwise");
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Bakery"));
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "1", "2.49", "1 gal", 1, "", "Y", "1"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", "1"}) +
                  itemRecord({"Butter", "1", "3.29", "1 lb", 1, "", "Y", "2"}));
}

TEST_F(Import, TrailingPartialRecordsReadTheirMissingBytesAsBlanks) {
    // cat.dat is 23 bytes: Dairy and the first 8 bytes of Bakery. src.dat is 115 bytes: Milk
    // and the first 54 bytes of Bread, which end after the low byte of its category number.
    copyFixture("v5_truncated_last_records");
    importConfirmed();

    expectFinished({});
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Bakery"));
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "2", "2.49", "1 gal", 1, "", "Y", "2"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", ""}));
}

TEST_F(Import, CorruptFilesImportWithoutACrashAndWithoutDetachedItems) {
    // Deterministic garbage, every byte value, with lengths that are not whole records. The
    // category numbers are made small, so that some name a category and some name none.
    quint32 seed = 12345;
    auto garbage = [&](int size) {
        QByteArray bytes(size, '\0');
        for (char& b : bytes) {
            seed = seed * 1103515245u + 12345u;
            b = static_cast<char>(seed >> 16);
        }
        return bytes;
    };
    const QByteArray cat = garbage(15 * 40 + 9); // 41 records: the tail is over half a record
    QByteArray src = garbage(61 * 300 + 40);     // 301 records
    for (int i = 0; i < 300; ++i) {
        src[i * 61 + 53] = static_cast<char>(i % 50 - 3);
        src[i * 61 + 54] = i % 50 < 3 ? '\xFF' : '\0';
    }
    writeFile(oldCat(), cat);
    writeFile(oldSrc(), src);
    importConfirmed();

    EXPECT_EQ(t.prompts.messages().back(), kClosing);
    EXPECT_EQ(t.end.calls, 1);
    const QByteArray categories = readFile(t.catFile());
    const QByteArray items = readFile(t.srcFile());
    ASSERT_EQ(categories.size(), 41 * 50); // no garbage record is blank
    ASSERT_EQ(items.size() % 235, 0);
    // Every item is attached to a category that is there, and only those are carried over
    // whose old number names one of the 41 (the partial last record reads as category 0).
    int attachable = 0;
    for (int i = 0; i < 300; ++i)
        attachable += (i % 50 - 3 >= 1 && i % 50 - 3 <= 41);
    EXPECT_EQ(items.size() / 235, attachable);
    for (int i = 0; i < items.size() / 235; ++i) {
        const QByteArray item = items.mid(i * 235, 235);
        qint32 id = 0;
        std::memcpy(&id, item.constData() + 120, 4);
        ASSERT_GE(id, 1) << "item " << i + 1;
        ASSERT_LE(id, 41) << "item " << i + 1;
        EXPECT_NE(item.left(50), QByteArray(50, ' '));
    }
}

TEST_F(Import, MissingOldFilesAreNamedAndNothingIsDeleted) {
    struct Case {
        bool cat, src;
        QString message;
    };
    const QString src =
        QStringLiteral("The src.dat file could not be located in the current working directory.");
    const QString cat =
        QStringLiteral("The cat.dat file could not be located in the current working directory.");
    for (const Case& c :
         {Case{true, false, src}, Case{false, false, src}, Case{false, true, cat}}) {
        QFile::remove(oldCat());
        QFile::remove(oldSrc());
        if (c.cat) writeFile(oldCat(), oldCategory("Dairy"));
        if (c.src) writeFile(oldSrc(), oldItem("Milk", "1", "1", "", 1, "N", ""));
        writeCurrentData();
        t.prompts.clear();
        t.prompts.answerYes();
        mnuImportData_Click(t.ctx);

        ASSERT_EQ(t.prompts.boxes.size(), 2u);
        EXPECT_EQ(t.prompts.boxes[1].text, c.message);
        EXPECT_EQ(t.prompts.boxes[1].caption, "Cartwise");
        EXPECT_EQ(readFile(t.catFile()), categoryRecord("Old category"));
        EXPECT_EQ(readFile(t.srcFile()).left(8), "Old item");
    }
    EXPECT_EQ(t.end.calls, 0);
}

TEST_F(Import, NoChangesNothing) {
    copyFixture("v5_three_categories");
    writeCurrentData();
    t.prompts.answerNo();
    mnuImportData_Click(t.ctx);

    EXPECT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Old category"));
    EXPECT_EQ(readFile(t.srcFile()).left(8), "Old item");
    EXPECT_EQ(t.end.calls, 0);
}

TEST_F(Import, CurrentFileThatCannotBeDeletedEndsTheCommand) {
    copyFixture("v5_three_categories");
    writeCurrentData();
    QFile::remove(t.catFile());
    ASSERT_TRUE(QDir().mkpath(t.catFile() + "/inside")); // a folder where the file should be
    importConfirmed();

    ASSERT_EQ(t.prompts.messages().size(), 2u);
    EXPECT_EQ(t.prompts.messages()[1], errorText("mnuImportData_Click_Error: Is a directory"));
    EXPECT_TRUE(QFileInfo(t.catFile()).isDir());
    EXPECT_EQ(readFile(t.srcFile()).left(8), "Old item"); // the item file comes second
    EXPECT_EQ(t.end.calls, 0);
}

TEST_F(Import, ItemsOfACategoryThatFailedToImportAreLeftOut) {
    QByteArray categories;
    for (int i = 1; i <= 10; ++i)
        categories += oldCategory("Category " + QByteArray::number(i));
    writeFile(oldCat(), categories);
    writeFile(oldSrc(), oldItem("Soap", "1", "1", "", 10, "N", "") +
                            oldItem("Milk", "1", "2.49", "", 1, "N", "") +
                            oldItem("Bread", "1", "1.99", "", 2, "N", ""));
    {
        // Room for nine categories of 50 bytes, and for two items of 235.
        FileSizeLimit limit(470);
        importConfirmed();
    }
    expectFinished({errorText("cCategory.lngAddRecord_Error: File too large"),
                    "1 item of src.dat was not imported because its category is missing from "
                    "cat.dat or could not be imported."});
    EXPECT_EQ(readFile(t.catFile()).size(), 450);
    EXPECT_EQ(readFile(t.srcFile()), itemRecord({"Milk", "1", "2.49", "", 1, "", "N", ""}) +
                                         itemRecord({"Bread", "1", "1.99", "", 2, "", "N", ""}));
}

TEST_F(Import, ImportStepsReportTheirOwnFailures) {
    CategoryIds ids;
    ImportCategories(t.ctx, ids);
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(ImportItems(t.ctx, ids), 0);
    EXPECT_EQ(t.prompts.messages(),
              (std::vector<QString>{errorText("ImportCategories_Error: No such file or directory"),
                                    errorText("ImportItems_Error: No such file or directory")}));
    // Reading an old file never creates it.
    EXPECT_FALSE(QFileInfo::exists(oldCat()));
    EXPECT_FALSE(QFileInfo::exists(oldSrc()));
}

} // namespace
