#include "commands/ImportCommand.h"

#include "commands/EndProgram.h"
#include "core/Failure.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "platform/Trash.h"
#include "store/CategoryStore.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"
#include "store/RecordFile.h"
#include "store/RecordLayout.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace cw {
namespace {

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
            throw Failure(QCoreApplication::translate("cw::ImportCommand",
                                                      "Could not make a folder in %1: %2")
                              .arg(ctx.dataDir, folder.errorString()));
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
                               QString::fromLatin1(kItemFileName)};
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
    return QCoreApplication::translate(
               "cw::ImportCommand",
               "If you have an earlier version of Cartwise (Ver 5.0, 5.1 or 5.2), you can import "
               "that data into Version 6.\r\n\r\nThis is what you have to do first. Find the "
               "following files in your old version working directory and copy them to the new "
               "version directory which is: %1. The file names are: 'cat.dat' and "
               "'src.dat'\r\n\r\nThen return to this option and direct the program to import the "
               "data. After the conversion, you may delete 'cat.dat' and 'src.dat'. WARNING! All "
               "current data in Version 6.0 will be replaced.\r\n\r\nImport data now ?")
        .arg(trimSpaces(directory));
}

QString leftOutMessage(int count) {
    if (count == 1)
        return QCoreApplication::translate(
            "cw::ImportCommand", "1 item of src.dat was not imported because its category is "
                                 "missing from cat.dat or could not be imported.");
    return QCoreApplication::translate("cw::ImportCommand",
                                       "%1 items of src.dat were not imported because their "
                                       "category is missing from cat.dat or could not be imported.")
        .arg(count);
}

// The skeleton of both import steps: every record of the old file, read-only, through
// `take`; then `store` adds what was taken in one go. A failure (a record the store could not
// add included) is reported under the step's prefix and the step returns false.
template <class Take, class Store>
bool importRecords(Context& ctx, const char* prefix, const QString& oldFile, int length,
                   const char* blank, Take&& take, Store&& store) {
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
            store();
        },
        [&] {
            if (old) old->closeQuietly();
        });
}

} // namespace

bool importCategories(Context& ctx, const QString& oldFile, CategoryIds& ids) {
    QStringList names;
    std::vector<qint64> numbers; // each name's record in the old file
    return importRecords(
        ctx, prefix::kImportCategories, oldFile, kOldCategoryLength, oldCategoryBlank(),
        [&](qint64 n, const char* record) {
            const QString name = kOldCategory.read(record);
            if (name.isEmpty()) return;
            names << name;
            numbers.push_back(n);
        },
        [&] {
            const std::vector<qint32> added = CategoryStore(ctx).addAll(names);
            for (std::size_t i = 0; i < added.size(); ++i)
                ids[numbers[i]] = added[i];
            if (added.size() < numbers.size())
                throw Failure(QCoreApplication::translate("cw::ImportCommand",
                                                          "Category %1 of cat.dat was not added")
                                  .arg(numbers[added.size()]));
        });
}

bool importItems(Context& ctx, const QString& oldFile, const CategoryIds& ids, int& leftOut) {
    std::vector<Item> items;
    std::vector<qint64> numbers; // each item's record in the old file
    return importRecords(
        ctx, prefix::kImportItems, oldFile, kOldItemLength, oldItemBlank(),
        [&](qint64 n, const char* record) {
            const QString description = kOldItem.read(record);
            if (description.isEmpty()) return;
            const auto category = ids.find(oldCategoryNumber(record));
            if (category == ids.end()) {
                ++leftOut;
                return;
            }
            Item item;
            item.categoryId = category->second;
            item.description = description;
            item.quantity = kOldQuantity.read(record);
            item.cost = kOldCost.read(record);
            item.size = kOldSize.read(record);
            item.listMark = kOldSelectedYN.read(record);
            item.listQuantity = kOldSelectedQuantity.read(record);
            items.push_back(std::move(item));
            numbers.push_back(n);
        },
        [&] {
            const std::vector<qint32> added = ItemStore(ctx).addAll(items);
            if (added.size() < numbers.size())
                throw Failure(QCoreApplication::translate("cw::ImportCommand",
                                                          "Item %1 of src.dat was not added")
                                  .arg(numbers[added.size()]));
        });
}

void importVersion5Data(Context& ctx) {
    trap(ctx, prefix::kImport, [&] {
        if (ctx.prompts->message(importQuestion(ctx.dataDir), MsgButtons::YesNo, MsgIcon::None,
                                 QCoreApplication::translate(
                                     "cw::ImportCommand", "Import Data Now ?")) != MsgAnswer::Yes)
            return;
        const QString oldItems = ctx.dataPath(QStringLiteral("src.dat"));
        const QString oldCategories = ctx.dataPath(QStringLiteral("cat.dat"));
        const QString missing = !fileExists(oldItems)        ? QStringLiteral("src.dat")
                                : !fileExists(oldCategories) ? QStringLiteral("cat.dat")
                                                             : QString();
        if (!missing.isEmpty()) {
            ctx.prompts->message(
                QCoreApplication::translate(
                    "cw::ImportCommand",
                    "The %1 file could not be located in the current working directory.")
                    .arg(missing),
                MsgButtons::Ok, MsgIcon::None, appTitle());
            return;
        }

        // Everything is built aside first; a failure has been reported by then and the
        // current data stays as it is.
        Staging staging(ctx);
        CategoryIds ids;
        int leftOut = 0;
        if (!importCategories(staging.target, oldCategories, ids)) return;
        if (!importItems(staging.target, oldItems, ids, leftOut)) return;
        replaceCurrentFiles(ctx, staging);
        if (ctx.journal) ctx.journal->clear(); // its changes were to the files now replaced

        if (leftOut > 0)
            ctx.prompts->message(leftOutMessage(leftOut), MsgButtons::Ok, MsgIcon::Information,
                                 appTitle());
        ctx.prompts->message(QCoreApplication::translate(
                                 "cw::ImportCommand",
                                 "The conversion has taken place. The program will now terminate"),
                             MsgButtons::Ok, MsgIcon::Information, QString());
        endProgram(ctx);
    });
}

} // namespace cw
