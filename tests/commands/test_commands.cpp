// The commands of the File and Help menus: export of the shopping list, import of
// version-5 data, deleting all data, and starting the system information program.
#include "TestContext.h"
#include "commands/DataCommands.h"
#include "commands/ExportCommand.h"
#include "commands/ImportCommand.h"
#include "commands/SystemInformation.h"
#include "model/ShoppingListModel.h"
#include "platform/Registry.h"
#include "store/RecordFile.h"

#include <QDir>
#include <QFileInfo>

using namespace cw;
using namespace cw::test;

TEST(ExportLine, CellsTrimmedQuotedInWindows1252AndTheLongestCutUntilTheLineFits) {
    const QByteArray pairs(88, '"'), s(50, 'S');
    const std::pair<QStringList, QByteArray> rows[] = {
        {{" 7 ", QString::fromUtf8("12\" Café"), "\"Large\"", QString::fromUtf8("Drinks €, misc"),
          "", "0.00"},
         "\"7\",\"12\"\" Caf\xE9\",\"\"\"Large\"\"\",\"Drinks \x80, misc\",\"\",\"0.00\"\r\n"},
        // Quote pairs are cut whole, from the longer cell in turn, to exactly 300 bytes.
        {{QString(50, '"'), QString(50, '"'), s, s, "1", "1.00"},
         '"' + pairs + "\",\"" + pairs + "\",\"" + s + "\",\"" + s + "\",\"1\",\"1.00\"\r\n"},
        // Of equally long cells, the first is cut first.
        {{QString(56, 'a'), QString(56, 'b'), QString(56, 'c'), QString(56, 'd'), QString(56, 'e'),
          "12345678"},
         '"' + QByteArray(54, 'a') + "\",\"" + QByteArray(54, 'b') + "\",\"" + QByteArray(55, 'c') +
             "\",\"" + QByteArray(55, 'd') + "\",\"" + QByteArray(55, 'e') + "\",\"12345678\"\r\n"},
    };
    for (const auto& [cells, line] : rows)
        EXPECT_EQ(exportLine(cells), line);
}

TEST(Export, NoToOverwritingKeepsTheOldFileAndAMissingFolderOrALinkIsReported) {
    const ShoppingListModel list; // the headings alone
    TestContext t;
    writeFile(t.path("Cartwise.txt"), "last week's list");
    t.prompts.answerInput(t.dir.path());
    t.prompts.answerNo();
    exportList(t.ctx, list);
    EXPECT_EQ(readFile(t.path("Cartwise.txt")), "last week's list");
    t.prompts.answerInput(t.path("gone"));
    exportList(t.ctx, list);
    EXPECT_EQ(t.settings.values["exportdirectory"], t.path("gone")); // stored before the failure
    // A link in the file's place, pointing nowhere yet, is never followed.
    ASSERT_TRUE(QFile::remove(t.path("Cartwise.txt")));
    ASSERT_TRUE(QFile::link(t.path("outside.txt"), t.path("Cartwise.txt")));
    t.prompts.answerInput(t.dir.path());
    exportList(t.ctx, list);
    EXPECT_FALSE(QFile::exists(t.path("outside.txt")));
    // and what was written under a temporary name is gone again
    EXPECT_EQ(QDir(t.dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"Cartwise.txt"});
    EXPECT_EQ(t.prompts.messages(),
              (std::vector<QString>{"File already exists. Do you want to overwrite it ?",
                                    errorReport("mnuExport_Click", sysError(ENOENT)),
                                    errorReport("mnuExport_Click", sysError(EEXIST))}));
}

const QString kDone = "The conversion has taken place. The program will now terminate";

class Import : public ::testing::Test {
protected:
    // Puts the old files of a fixture (but the one left out) next to current data files,
    // answers Yes and imports: the messages after the question are `shown`, and the program
    // ends after the closing one; otherwise the current data stays.
    void import(const QString& fixture, const std::vector<QString>& shown, QString leftOut = {}) {
        for (const QString name : {"cat.dat", "src.dat"}) {
            QFile::remove(t.path(name));
            if (name != leftOut)
                QFile::copy(CARTWISE_TEST_DATA "/" + fixture + '/' + name, t.path(name));
        }
        writeFile(t.catFile(), "current categories");
        writeFile(t.srcFile(), "current items");
        t.prompts.boxes.clear();
        t.end.calls = 0;
        t.prompts.answerYes();
        importVersion5Data(t.ctx);
        std::vector<QString> messages = t.prompts.messages();
        EXPECT_EQ(std::vector(messages.begin() + 1, messages.end()), shown);
        EXPECT_EQ(t.end.calls, int(shown.back() == kDone));
        EXPECT_EQ(readFile(t.catFile()) == "current categories", t.end.calls == 0);
    }
    TestContext t;
};

TEST_F(Import, MissingOldFilesAreNamedBlankOldCategoriesDroppedAndPartialRecordsReadAsBlanks) {
    const QString missing = "The %1 file could not be located in the current working directory.";
    import("none", {missing.arg("src.dat")}); // looked for first; nothing is changed
    import("v5_three_categories", {missing.arg("cat.dat")}, "cat.dat");

    // Categories blank, Dairy, blank, Bakery: Dairy becomes 1 and Bakery 2; the items of the
    // blank records 1 and 3 and of categories 0, -1 and 5 are left out.
    ObservedDurability durability;
    import("v5_blank_category_first",
           {"5 items of src.dat were not imported because their category is missing from "
            "cat.dat or could not be imported.",
            kDone});
    EXPECT_EQ(durability.syncs, 2); // each new file once, not once for each of its five records
    EXPECT_EQ(readFile(t.catFile()), categoryRecord("Dairy") + categoryRecord("Bakery"));
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "1", "2.49", "1 gal", 1, "", "Y", "1"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", "1"}) +
                  itemRecord({"Butter, salted, in a tub.", "12345", "12345.29", "1 lb, 4 sticks.",
                              1, "", "Y", "99999"}));
    // Both files end inside their last record, src.dat after the low byte of Bread's category.
    import("v5_truncated_last_records", {kDone});
    EXPECT_EQ(readFile(t.srcFile()),
              itemRecord({"Milk", "2", "2.49", "1 gal", 1, "", "Y", "2"}) +
                  itemRecord({"Bread", "1", "1.99", "loaf", 2, "", "N", ""}));
}

TEST_F(Import, AFailedMoveIntoPlacePutsTheCurrentFilesBack) {
    for (const QString name : {"cat.dat", "src.dat"})
        QFile::copy(CARTWISE_TEST_DATA "/v5_three_categories/" + name, t.path(name));
    writeFile(t.catFile(), "current categories");
    // A folder, not empty, where the new item file is to go: its move into place fails after
    // the new category file has taken the current one's place.
    ASSERT_TRUE(QDir().mkpath(t.srcFile() + "/kept"));
    t.prompts.answerYes();
    importVersion5Data(t.ctx);
    EXPECT_EQ(readFile(t.catFile()), "current categories");
    EXPECT_TRUE(QFileInfo(t.srcFile() + "/kept").isDir());
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"cat.dat", "ctwcat6.dat", "ctwsrc6.dat", "src.dat"}));
    ASSERT_EQ(t.prompts.messages().size(), 2u);
    EXPECT_TRUE(
        t.prompts.messages()[1].startsWith(errorReport("mnuImportData_Click", "").chopped(1)));
    EXPECT_EQ(t.end.calls, 0);
}

TEST(DeleteAllData, NoToEitherQuestionKeepsEverything) {
    TestContext t;
    writeFile(t.catFile(), "categories");
    writeFile(t.srcFile(), "items");
    t.prompts.answerNo();
    deleteAllData(t.ctx);
    t.prompts.answerYes();
    t.prompts.answerNo();
    deleteAllData(t.ctx);
    EXPECT_EQ(t.prompts.messages().size(), 3u); // the question, and once more after a Yes
    EXPECT_EQ(readFile(t.catFile()) + readFile(t.srcFile()), "categoriesitems");
    EXPECT_EQ(t.end.calls, 0);
}

// One text value a key, as raw bytes (their count is the stored size). Only "/opt/info"
// holds the program.
struct FakeSystem : Registry, Launcher {
    std::map<QByteArray, std::pair<QByteArray, QByteArray>> keys; // key -> value name, bytes
    std::pair<QByteArray, QByteArray> open;
    QStringList started;
    TestContext t;
    FakeSystem() {
        t.ctx.registry = this;
        t.ctx.launcher = this;
    }
    long openKey(std::uint32_t root, const QByteArray& key, std::uint32_t, std::uint32_t,
                 std::uintptr_t&) override {
        open = keys[key];
        return root == HKEY_LOCAL_MACHINE_ROOT && open.first.size() ? REG_OK : REG_FILE_NOT_FOUND;
    }
    long queryValue(std::uintptr_t, const QByteArray& name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override {
        type = REG_SZ_TYPE;
        if (name != open.first) return REG_FILE_NOT_FOUND;
        if (std::exchange(size, std::uint32_t(open.second.size())) < size) return REG_MORE_DATA;
        std::memcpy(buffer, open.second.constData(), size);
        return REG_OK;
    }
    long closeKey(std::uintptr_t) override { return REG_OK; }
    bool fileExists(const QString& path) override { return path == "/opt/info/MSINFO32.EXE"; }
    void start(const QString& path) override { started << path; }
};

TEST(SystemInformation, StartsThePathValueElseTheProgramInTheDirectoryElseSaysItIsUnavailable) {
    // The path value, the directory value, what is started ("": the message instead).
    const std::tuple<QByteArray, QByteArray, QString> rows[] = {
        {QByteArray("/opt/tool\0", 10), "/opt/info", "/opt/tool"},   // the terminating zero dropped
        {'/' + QByteArray(1023, 'x'), "", '/' + QString(1023, 'x')}, // fills the buffer, no zero
        {QByteArray(1025, 'x'), QByteArray("/opt/info\0", 10), "/opt/info/MSINFO32.EXE"},
        {"", "/opt/empty", ""},
        {"", "", ""},
    };
    for (const auto& [path, dir, started] : rows) {
        FakeSystem sys;
        const QByteArray tools = "SOFTWARE\\Microsoft\\Shared Tools";
        if (!path.isEmpty()) sys.keys[tools + "\\MSINFO"] = {"PATH", path};
        if (!dir.isEmpty()) sys.keys[tools + " Location"] = {"MSINFO", dir};
        startSystemInformation(sys.t.ctx);
        EXPECT_EQ(sys.started.join('|'), started);
        EXPECT_EQ(sys.t.prompts.messages(),
                  std::vector<QString>(started.isEmpty(),
                                       "System Information Is Unavailable At This Time"));
    }
}
