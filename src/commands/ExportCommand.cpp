#include "commands/ExportCommand.h"

#include "core/CodePage.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "model/ShoppingListModel.h"
#include "platform/UserSettings.h"
#include "store/RecordFile.h"

#include <QRandomGenerator>
#include <optional>
#include <vector>

namespace cw {
namespace {

// The columns written: all but the hidden ID.
constexpr int kFirstColumn = ShoppingListModel::Aisle;
constexpr int kLastColumn = ShoppingListModel::Total;
// Records gathered before they are written, so that a long list takes few writes.
constexpr int kRecordsPerWrite = 256;

const char* const kPrompt =
    "Enter directory where file will be located. File name will be Cartwise.txt and format "
    "will be comma delimetered text which can be imported into popular spreadsheets and "
    "databases.";

// Bytes a cell takes between its quotes: every quote inside it is written twice.
int quotedSize(const QByteArray& text) {
    return text.size() + text.count('"');
}

} // namespace

QByteArray exportLine(const QStringList& cells) {
    std::vector<QByteArray> texts;
    texts.reserve(cells.size());
    for (const QString& cell : cells)
        texts.push_back(toCp1252(trimSpaces(cell)));

    // Two quotes per cell, a comma between cells, CR LF at the end.
    const int n = static_cast<int>(texts.size());
    const int frame = 2 * n + (n > 0 ? n - 1 : 0) + 2;
    const int room = kExportRecordLength - frame;
    std::vector<int> sizes;
    int total = 0;
    for (const QByteArray& t : texts) {
        sizes.push_back(quotedSize(t));
        total += sizes.back();
    }
    while (total > room) {
        int longest = 0;
        for (int i = 1; i < n; ++i)
            if (sizes[i] > sizes[longest]) longest = i;
        const int cut = texts[longest].endsWith('"') ? 2 : 1;
        texts[longest].chop(1);
        sizes[longest] -= cut;
        total -= cut;
    }

    QByteArray line;
    line.reserve(kExportRecordLength);
    for (int i = 0; i < n; ++i) {
        if (i > 0) line += ',';
        line += '"';
        for (const char c : texts[i]) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

QByteArray exportRecord(const ShoppingListModel& list, int row) {
    QStringList cells;
    for (int col = kFirstColumn; col <= kLastColumn; ++col)
        cells << (row < 0 ? ShoppingListModel::heading(col) : list.cell(row, col));
    QByteArray record = exportLine(cells);
    record.append(kExportRecordLength - record.size(), ' ');
    return record;
}

void exportList(Context& ctx, const ShoppingListModel& list) {
    std::optional<RecordFile> file;
    QString written; // the new export under its temporary name, until it takes its place
    trap(
        ctx, prefix::kExport,
        [&] {
            UserSettings settings(ctx);
            const QString directory = ctx.prompts->input(QString::fromLatin1(kPrompt),
                                                         QStringLiteral("Export Shopping List"),
                                                         settings.exportDirectory());
            if (trimSpaces(directory).isEmpty()) return;
            settings.setExportDirectory(directory);

            const QString path = directory + QStringLiteral("/Cartwise.txt");
            const bool replacing = fileExists(path);
            if (replacing &&
                ctx.prompts->message(
                    QStringLiteral("File already exists. Do you want to overwrite it ?"),
                    MsgButtons::YesNo, MsgIcon::None,
                    QStringLiteral("Overwrite Existing File")) != MsgAnswer::Yes)
                return;

            // The new export is written whole beside the old one and only then takes its
            // place, so a failure part way (a full disk) leaves the earlier export as it was
            // and never a shorter list that reads as a complete one.
            written = directory + QStringLiteral("/.Cartwise.txt.") +
                      QString::number(QRandomGenerator::global()->generate64(), 36);
            file.emplace(written, kExportRecordLength, nullptr, RecordFile::Access::New);
            // The headings first, then a record for each row.
            QByteArray records;
            qint64 next = 1;
            for (int row = -1; row < list.rowCount(); ++row) {
                records += exportRecord(list, row);
                if (records.size() == kRecordsPerWrite * kExportRecordLength ||
                    row == list.rowCount() - 1) {
                    const qint64 count = records.size() / kExportRecordLength;
                    file->write(next, records.constData(), count);
                    next += count;
                    records.truncate(0);
                }
            }
            file->close();
            // Over the file the user agreed to replace; never over one that appeared since.
            renameFile(written, path, replacing ? Replace::Existing : Replace::Never);
            written.clear();
            syncDirectory(directory);
            ctx.prompts->message(QStringLiteral("Export Process has completed"), MsgButtons::Ok,
                                 MsgIcon::None, appTitle());
        },
        [&] {
            if (file) file->closeQuietly();
            if (!written.isEmpty()) skip([&] { deleteFile(written); });
        });
}

} // namespace cw
