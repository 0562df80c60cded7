#include "commands/ExportCommand.h"

#include "core/CodePage.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "model/ShoppingListModel.h"
#include "platform/UserSettings.h"
#include "store/RecordFile.h"

#include <QCoreApplication>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace cw {
namespace {

// The columns written: all but the hidden ID.
constexpr int kFirstColumn = ShoppingListModel::Aisle;
static_assert(ShoppingListModel::Total - kFirstColumn + 1 == kExportFields);
// Records gathered before they are written, so that a long list takes few writes.
constexpr int kRecordsPerWrite = 256;

const char* const kPrompt = QT_TRANSLATE_NOOP(
    "cw::ExportCommand",
    "Enter directory where file will be located. File name will be Cartwise.txt and format "
    "will be comma delimetered text which can be imported into popular spreadsheets and "
    "databases.");

// Bytes a cell takes between its quotes: every quote inside it is written twice.
int quotedSize(QByteArrayView text) {
    int quotes = 0;
    for (const char *p = text.data(), *end = p + text.size();
         (p = static_cast<const char*>(std::memchr(p, '"', std::size_t(end - p)))); ++p)
        ++quotes;
    return static_cast<int>(text.size()) + quotes;
}

} // namespace

namespace {

// A line that is too long for its record: the longest cell loses its last character, again
// and again, until the line fits; quotes are cut in pairs.
void appendCutRecord(std::array<QByteArrayView, kExportFields> texts, char* record) {
    std::array<int, kExportFields> sizes{};
    // Two quotes per cell, a comma between cells, CR LF at the end.
    const int room = kExportRecordLength - (3 * kExportFields - 1) - 2;
    int total = 0;
    for (int i = 0; i < kExportFields; ++i) {
        sizes[i] = quotedSize(texts[i]);
        total += sizes[i];
    }
    while (total > room) {
        int longest = 0;
        for (int i = 1; i < kExportFields; ++i)
            if (sizes[i] > sizes[longest]) longest = i;
        const int cut = texts[longest].endsWith('"') ? 2 : 1;
        texts[longest].chop(1);
        sizes[longest] -= cut;
        total -= cut;
    }
    char* p = record;
    for (int i = 0; i < kExportFields; ++i) {
        if (i > 0) *p++ = ',';
        *p++ = '"';
        for (const char c : texts[i]) {
            if (c == '"') *p++ = '"';
            *p++ = c;
        }
        *p++ = '"';
    }
    *p++ = '\r';
    *p++ = '\n';
    std::memset(p, ' ', static_cast<std::size_t>(record + kExportRecordLength - p));
}

} // namespace

void appendExportRecord(const std::array<QByteArrayView, kExportFields>& cells, QByteArray& out) {
    const std::array<QByteArrayView, kExportFields>& texts = cells; // trimmed already
    std::array<int, kExportFields> sizes{};
    int length = 3 * kExportFields - 1 + 2; // quotes, commas, CR LF
    for (int i = 0; i < kExportFields; ++i) {
        sizes[i] = quotedSize(texts[i]);
        length += sizes[i];
    }
    const qsizetype start = out.size();
    out.resize(start + kExportRecordLength);
    char* const record = out.data() + start;
    if (length > kExportRecordLength) return appendCutRecord(texts, record);
    char* p = record;
    for (int i = 0; i < kExportFields; ++i) {
        if (i > 0) *p++ = ',';
        *p++ = '"';
        if (sizes[i] == texts[i].size()) { // no quote inside
            std::memcpy(p, texts[i].data(), static_cast<std::size_t>(sizes[i]));
            p += sizes[i];
        } else {
            for (const char c : texts[i]) {
                if (c == '"') *p++ = '"';
                *p++ = c;
            }
        }
        *p++ = '"';
    }
    *p++ = '\r';
    *p++ = '\n';
    std::memset(p, ' ', static_cast<std::size_t>(record + kExportRecordLength - p));
}

QByteArray exportLine(const QStringList& cells) {
    std::array<QByteArray, kExportFields> bytes;
    std::array<QByteArrayView, kExportFields> views;
    for (int i = 0; i < kExportFields; ++i)
        views[i] = bytes[i] = toCp1252(trimSpaces(cells.value(i)));
    QByteArray record;
    appendExportRecord(views, record);
    return record.left(record.lastIndexOf("\r\n") + 2);
}

void exportList(Context& ctx, const ShoppingListModel& list) {
    std::optional<RecordFile> file;
    QString written; // the new export under its temporary name, until it takes its place
    trap(
        ctx, prefix::kExport,
        [&] {
            UserSettings settings(ctx);
            const QString directory = ctx.prompts->input(
                QCoreApplication::translate("cw::ExportCommand", kPrompt),
                QCoreApplication::translate("cw::ExportCommand", "Export Shopping List"),
                settings.exportDirectory());
            if (trimSpaces(directory).isEmpty()) return;
            settings.setExportDirectory(directory);

            const QString path = directory + QStringLiteral("/Cartwise.txt");
            const bool replacing = fileExists(path);
            if (replacing &&
                ctx.prompts->message(
                    QCoreApplication::translate(
                        "cw::ExportCommand", "File already exists. Do you want to overwrite it ?"),
                    MsgButtons::YesNo, MsgIcon::None,
                    QCoreApplication::translate("cw::ExportCommand", "Overwrite Existing File")) !=
                    MsgAnswer::Yes)
                return;

            // The new export is written whole beside the old one and only then takes its
            // place, so a failure part way (a full disk) leaves the earlier export as it was
            // and never a shorter list that reads as a complete one.
            written = temporaryNameBeside(path);
            file.emplace(written, kExportRecordLength, nullptr, RecordFile::Access::New);
            // The headings first, then a record for each row.
            QByteArray records;
            records.reserve(kRecordsPerWrite * kExportRecordLength);
            std::array<QByteArray, kExportFields> headings;
            std::array<QByteArrayView, kExportFields> cells;
            for (int i = 0; i < kExportFields; ++i)
                cells[i] = headings[i] =
                    toCp1252(trimSpaces(ShoppingListModel::heading(kFirstColumn + i)));
            ShoppingListModel::Scratch scratch;
            qint64 next = 1;
            for (int row = -1; row < list.rowCount(); ++row) {
                if (row >= 0) list.rowBytes(row, cells, scratch);
                appendExportRecord(cells, records);
                if (records.size() == kRecordsPerWrite * kExportRecordLength ||
                    row == list.rowCount() - 1) {
                    const qint64 count = records.size() / kExportRecordLength;
                    file->write(next, records.constData(), count);
                    next += count;
                    records.resize(0);
                }
            }
            file->close();
            // Over the file the user agreed to replace; never over one that appeared since.
            renameFile(written, path, replacing ? Replace::Existing : Replace::Never);
            written.clear();
            syncDirectory(directory);
            ctx.prompts->message(
                QCoreApplication::translate("cw::ExportCommand", "Export Process has completed"),
                MsgButtons::Ok, MsgIcon::None, appTitle());
        },
        [&] {
            if (file) file->closeQuietly();
            if (!written.isEmpty()) skip([&] { deleteFile(written); });
        });
}

} // namespace cw
