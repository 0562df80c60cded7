#include "commands/ImportCommand.h"

#include "commands/EndProgram.h"
#include "core/Failure.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "platform/Trash.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/SyncScope.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace cw {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The fields of an old src.dat record.
constexpr TextField kOldItem{0, 25};
constexpr TextField kOldQuantity{25, 5};
constexpr TextField kOldCost{30, 8};
constexpr TextField kOldSize{38, 15};
constexpr int kOldCatIdOffset = 53;
constexpr TextField kOldSelectedYN{55, 1};
constexpr TextField kOldSelectedQuantity{56, 5};
constexpr TextField kOldCategory{0, 15};

qint16 oldCategoryNumber(const char* record) {
    const auto* p = reinterpret_cast<const unsigned char*>(record + kOldCatIdOffset);
    return static_cast<qint16>(static_cast<quint16>(p[0] | p[1] << 8));
}

// What the missing bytes of a trailing partial record read as: blanks, and category 0.
const char* oldItemBlank() {
    static const QByteArray blank = [] {
        QByteArray b(kOldItemLength, ' ');
        b[kOldCatIdOffset] = b[kOldCatIdOffset + 1] = '\0';
        return b;
    }();
    return blank.constData();
}
const char* oldCategoryBlank() {
    static const QByteArray blank(kOldCategoryLength, ' ');
    return blank.constData();
}

// The new data files are built in a folder of their own inside the data directory (so that
// they can be renamed into place), through a context whose data directory it is.
struct Staging {
    explicit Staging(const Context& ctx) : folder(ctx.dataPath(QStringLiteral(".import-XXXXXX"))) {
        if (!folder.isValid())
            throw Failure("Could not make a folder in " + ctx.dataDir + ": " +
                          folder.errorString());
        target.prompts = ctx.prompts;
        target.settings = ctx.settings;
        target.programEnd = ctx.programEnd;
        target.dataDir = folder.path();
    }
    QTemporaryDir folder;
    Context target;
};

// Puts the new files in the current ones' place. The current files go to the trash first
// (where there is none, into the staging folder, which is removed afterwards), so that a
// failure part way can put every one of them back, and a mistaken Yes can still be undone. A
// new file that was never made (no used record) leaves no file, which reads as an empty one.
void replaceCurrentFiles(const Context& ctx, Staging& staging) {
    const QStringList names = {QString::fromLatin1(kCategoryFileName),
                               QString::fromLatin1(kSourceItemFileName)};
    const auto current = [&](const QString& n) { return ctx.dataPath(n); };
    const auto fresh = [&](const QString& n) { return staging.target.dataPath(n); };
    const auto aside = [&](const QString& n) { return staging.target.dataPath("old-" + n); };
    // Each current file moved away: its name, and its entry in the trash (none: set aside).
    std::vector<std::pair<QString, std::optional<TrashedFile>>> movedAway;
    std::vector<QString> movedIn;
    try {
        for (const QString& n : names) {
            if (!fileExists(current(n))) continue;
            std::optional<TrashedFile> inTrash = moveToTrash(current(n));
            if (!inTrash) renameFile(current(n), aside(n));
            movedAway.emplace_back(n, inTrash);
        }
        for (const QString& n : names) {
            if (!fileExists(fresh(n))) continue;
            renameFile(fresh(n), current(n));
            movedIn.push_back(n);
        }
        syncDirectory(ctx.dataDir);
    } catch (...) {
        for (const QString& n : movedIn)
            skip([&] { renameFile(current(n), fresh(n)); });
        for (const auto& away : movedAway)
            skip([&] {
                if (away.second)
                    takeBackFromTrash(*away.second, current(away.first));
                else
                    renameFile(aside(away.first), current(away.first));
            });
        throw;
    }
}

QString importQuestion(const QString& directory) {
    return QStringLiteral("If you have an earlier version of Cartwise") +
           QStringLiteral(" (Ver 5.0, 5.1 or 5.2), you can import that") +
           QStringLiteral(" data into Version 6.") + kCrLf + kCrLf +
           QStringLiteral("This is what you have to do first. Find the following") +
           QStringLiteral(" files in your old version working directory") +
           QStringLiteral(" and copy them to the new version directory which is: ") +
           trimSpaces(directory) + QStringLiteral(". The") +
           QStringLiteral(" file names are: 'cat.dat' and 'src.dat'") + kCrLf + kCrLf +
           QStringLiteral("Then return to this option and direct the program to import") +
           QStringLiteral(" the data. After the conversion, you may delete") +
           QStringLiteral(" 'cat.dat' and 'src.dat'. WARNING! All current data in Version 6.0 "
                          "will be replaced.") +
           kCrLf + kCrLf + QStringLiteral("Import data now ?");
}

QString leftOutMessage(int count) {
    if (count == 1)
        return QStringLiteral("1 item of src.dat was not imported because its category is missing "
                              "from cat.dat or could not be imported.");
    return QString::number(count) +
           QStringLiteral(" items of src.dat were not imported because their category is missing "
                          "from cat.dat or could not be imported.");
}

// The skeleton of both import steps: every record of the old file, read-only, through
// `take`; a failure (a record the store could not add included) is reported under the step's
// prefix and the step returns false.
template <class Take>
bool importRecords(Context& ctx, const char* prefix, const QString& oldFile, int length,
                   const char* blank, Take&& take) {
    std::optional<RecordFile> old;
    return trap(
        ctx, prefix,
        [&] {
            old.emplace(oldFile, length, nullptr, RecordFile::Access::Existing);
            std::vector<char> record(static_cast<size_t>(length));
            const qint64 count = old->recordCount();
            for (qint64 n = 1; n <= count; ++n) {
                old->read(n, record.data(), blank);
                take(n, record.data());
            }
            old->close();
        },
        [&] {
            if (old) old->closeQuietly();
        });
}

} // namespace

bool ImportCategories(Context& ctx, const QString& oldFile, CategoryIds& ids) {
    cCategory category(ctx);
    return importRecords(ctx, "ImportCategories_Error: ", oldFile, kOldCategoryLength,
                         oldCategoryBlank(), [&](qint64 n, const char* record) {
                             category.strCategory = kOldCategory.read(record);
                             if (category.strCategory.isEmpty()) return;
                             const qint32 id = category.lngAddRecord();
                             if (id == 0)
                                 throw Failure(
                                     QStringLiteral("Category %1 of cat.dat was not added").arg(n));
                             ids[n] = id;
                         });
}

bool ImportItems(Context& ctx, const QString& oldFile, const CategoryIds& ids, int& leftOut) {
    cSourceItem item(ctx);
    return importRecords(ctx, "ImportItems_Error: ", oldFile, kOldItemLength, oldItemBlank(),
                         [&](qint64 n, const char* record) {
                             const QString description = kOldItem.read(record);
                             if (description.isEmpty()) return;
                             const auto category = ids.find(oldCategoryNumber(record));
                             if (category == ids.end()) {
                                 ++leftOut;
                                 return;
                             }
                             item.lngCatID = category->second;
                             item.strItem = description;
                             item.strQuantity = kOldQuantity.read(record);
                             item.strCost = kOldCost.read(record);
                             item.strSize = kOldSize.read(record);
                             item.strIsle.clear();
                             item.strSelectedYN = kOldSelectedYN.read(record);
                             item.strSelectedQuantity = kOldSelectedQuantity.read(record);
                             item.strFuture.clear();
                             if (item.lngAddRecord() == 0)
                                 throw Failure(
                                     QStringLiteral("Item %1 of src.dat was not added").arg(n));
                         });
}

void mnuImportData_Click(Context& ctx) {
    trap(ctx, QStringLiteral("mnuImportData_Click_Error: "), [&] {
        if (ctx.prompts->message(importQuestion(ctx.dataDir), MsgButtons::YesNo, MsgIcon::None,
                                 QStringLiteral("Import Data Now ?")) != MsgAnswer::Yes)
            return;
        const QString oldItems = ctx.dataPath(QStringLiteral("src.dat"));
        const QString oldCategories = ctx.dataPath(QStringLiteral("cat.dat"));
        const QString missing = !fileExists(oldItems)        ? QStringLiteral("src.dat")
                                : !fileExists(oldCategories) ? QStringLiteral("cat.dat")
                                                             : QString();
        if (!missing.isEmpty()) {
            ctx.prompts->message(QStringLiteral("The ") + missing +
                                     QStringLiteral(" file could not be located in the "
                                                    "current working directory."),
                                 MsgButtons::Ok, MsgIcon::None, appTitle());
            return;
        }

        // Everything is built aside first; a failure has been reported by then and the
        // current data stays as it is.
        Staging staging(ctx);
        SyncScope scope; // each new file synced once, before it is renamed into place
        CategoryIds ids;
        int leftOut = 0;
        if (!ImportCategories(staging.target, oldCategories, ids)) return;
        if (!ImportItems(staging.target, oldItems, ids, leftOut)) return;
        scope.finish();
        replaceCurrentFiles(ctx, staging);

        if (leftOut > 0)
            ctx.prompts->message(leftOutMessage(leftOut), MsgButtons::Ok, MsgIcon::Information,
                                 appTitle());
        ctx.prompts->message(
            QStringLiteral("The conversion has taken place. The program will now terminate"),
            MsgButtons::Ok, MsgIcon::Information, QString());
        EndProgram(ctx);
    });
}

} // namespace cw
