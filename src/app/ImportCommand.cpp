#include "ImportCommand.h"

#include "modmain.h"
#include "platform/Prompts.h"
#include "store/Failure.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/Trap.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>

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

// Removes a current data file; one that is not there is already gone.
void removeIfPresent(const QString& path) {
    struct stat st {};
    if (::lstat(path.toLocal8Bit().constData(), &st) != 0 && errno == ENOENT) return;
    deleteFile(path);
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

} // namespace

void ImportCategories(Context& ctx, CategoryIds& ids) {
    std::optional<RecordFile> old;
    trap(
        ctx, QStringLiteral("ImportCategories_Error: "),
        [&] {
            old.emplace(ctx.dataPath(QStringLiteral("cat.dat")), kOldCategoryLength, nullptr,
                        RecordFile::Access::ReadOnly);
            cCategory category(ctx);
            char record[kOldCategoryLength];
            const qint64 count = old->recordCount();
            for (qint64 n = 1; n <= count; ++n) {
                old->read(n, record, oldCategoryBlank());
                const QString name = kOldCategory.read(record);
                if (name.isEmpty()) continue;
                category.strCategory = name;
                const qint32 id = category.lngAddRecord();
                if (id != 0) ids[n] = id;
            }
            old->close();
        },
        [&] {
            if (old) old->closeQuietly();
        });
}

int ImportItems(Context& ctx, const CategoryIds& ids) {
    int leftOut = 0;
    std::optional<RecordFile> old;
    trap(
        ctx, QStringLiteral("ImportItems_Error: "),
        [&] {
            old.emplace(ctx.dataPath(QStringLiteral("src.dat")), kOldItemLength, nullptr,
                        RecordFile::Access::ReadOnly);
            cSourceItem item(ctx);
            char record[kOldItemLength];
            const qint64 count = old->recordCount();
            for (qint64 n = 1; n <= count; ++n) {
                old->read(n, record, oldItemBlank());
                const QString description = kOldItem.read(record);
                if (description.isEmpty()) continue;
                const auto category = ids.find(oldCategoryNumber(record));
                if (category == ids.end()) {
                    ++leftOut;
                    continue;
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
                item.lngAddRecord();
            }
            old->close();
        },
        [&] {
            if (old) old->closeQuietly();
        });
    return leftOut;
}

void mnuImportData_Click(Context& ctx) {
    trap(
        ctx, QStringLiteral("mnuImportData_Click_Error: "),
        [&] {
            if (ctx.prompts->message(importQuestion(ctx.dataDir), MsgButtons::YesNo, MsgIcon::None,
                                     QStringLiteral("Import Data Now ?")) != MsgAnswer::Yes)
                return;
            const QString missing =
                !fileExists(ctx.dataPath(QStringLiteral("src.dat")))   ? QStringLiteral("src.dat")
                : !fileExists(ctx.dataPath(QStringLiteral("cat.dat"))) ? QStringLiteral("cat.dat")
                                                                       : QString();
            if (!missing.isEmpty()) {
                ctx.prompts->message(QStringLiteral("The ") + missing +
                                         QStringLiteral(" file could not be located in the "
                                                        "current working directory."),
                                     MsgButtons::Ok, MsgIcon::None, ctx.appTitle);
                return;
            }

            removeIfPresent(cCategory(ctx).strFileName);
            removeIfPresent(cSourceItem(ctx).strFileName);

            CategoryIds ids;
            ImportCategories(ctx, ids);
            const int leftOut = ImportItems(ctx, ids);
            if (leftOut > 0)
                ctx.prompts->message(leftOutMessage(leftOut), MsgButtons::Ok, MsgIcon::Information,
                                     ctx.appTitle);
            ctx.prompts->message(
                QStringLiteral("The conversion has taken place. The program will now terminate"),
                MsgButtons::Ok, MsgIcon::Information, QString());
            EndProgram(ctx);
        },
        [] { RecordFile::closeAll(); });
}

} // namespace cw
