#include "commands/Checklist.h"

#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "model/ShoppingListModel.h"
#include "platform/UserSettings.h"
#include "store/RecordFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUuid>

namespace cw {
namespace {

// A text as Markdown shows it literally: the characters that would start formatting escaped.
QString markdownText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (QStringView(u"\\`*_[]<>~|&").contains(c)) out += u'\\';
        out += c;
    }
    return out;
}

// An iCalendar TEXT value: backslash, semicolon, comma and line breaks escaped.
QString calendarText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'\\' || c == u';' || c == u',')
            out += u'\\', out += c;
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c != u'\r')
            out += c;
    }
    return out;
}

// A content line folded at 75 octets (a CRLF and a space before each further part), never
// inside a UTF-8 sequence, and ended with CRLF.
void appendFolded(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0, room = 75;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while ((static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) // a continuation byte
            --cut;
        out += bytes.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = 74; // the space counts
    }
    out += bytes.mid(start);
    out += "\r\n";
}

enum class Format { Markdown, Calendar };

} // namespace

QStringList checklistLines(const ShoppingListModel& list) {
    QStringList lines;
    lines.reserve(list.rowCount());
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString quantity = trimSpaces(list.cell(row, ShoppingListModel::Quantity));
        const QString size = trimSpaces(list.cell(row, ShoppingListModel::Size));
        const QString aisle = trimSpaces(list.cell(row, ShoppingListModel::Aisle));
        QString line = trimSpaces(list.cell(row, ShoppingListModel::Item));
        if (!quantity.isEmpty()) line = quantity + QStringLiteral(" × ") + line;
        if (!size.isEmpty()) line += QStringLiteral(", ") + size;
        if (!aisle.isEmpty())
            line += QStringLiteral(", ") +
                    QCoreApplication::translate("cw::Checklist", "aisle %1").arg(aisle);
        lines << line;
    }
    return lines;
}

QString checklistTotal(const ShoppingListModel& list) {
    return QCoreApplication::translate("cw::Checklist", "Total: $%1")
        .arg(trimSpaces(list.totalText()));
}

QString phoneText(const ShoppingListModel& list) {
    return (checklistLines(list) << checklistTotal(list)).join(u'\n');
}

QByteArray markdownChecklist(const ShoppingListModel& list) {
    QString text;
    for (const QString& line : checklistLines(list))
        text += QStringLiteral("- [ ] ") + markdownText(line) + u'\n';
    if (!text.isEmpty()) text += u'\n';
    text += markdownText(checklistTotal(list)) + u'\n';
    return text.toUtf8();
}

QByteArray calendarChecklist(const ShoppingListModel& list, const QDateTime& now,
                             const std::function<QString()>& newUid) {
    const QString name = QStringLiteral("Cartwise Shopping List");
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out;
    for (const QString& line :
         {QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0"),
          QStringLiteral("PRODID:-//Cartwise//Cartwise Shopping List//EN"),
          QStringLiteral("CALSCALE:GREGORIAN"), QStringLiteral("NAME:") + name,
          QStringLiteral("X-WR-CALNAME:") + name,
          QStringLiteral("DESCRIPTION:") + calendarText(checklistTotal(list))})
        appendFolded(out, line);
    for (const QString& task : checklistLines(list))
        for (const QString& line :
             {QStringLiteral("BEGIN:VTODO"), QStringLiteral("UID:") + newUid(),
              QStringLiteral("DTSTAMP:") + stamp, QStringLiteral("SUMMARY:") + calendarText(task),
              QStringLiteral("STATUS:NEEDS-ACTION"), QStringLiteral("END:VTODO")})
            appendFolded(out, line);
    appendFolded(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

void saveChecklist(Context& ctx, const ShoppingListModel& list) {
    trap(ctx, prefix::kSaveChecklist, [&] {
        UserSettings settings(ctx);
        const QString markdown =
            QCoreApplication::translate("cw::Checklist", "Markdown checklist (*.md)");
        const QString calendar =
            QCoreApplication::translate("cw::Checklist", "iCalendar tasks (*.ics)");
        QString filter = markdown;
        const QString path = ctx.prompts->saveFile(
            QCoreApplication::translate("cw::Checklist", "Save List as Checklist"),
            settings.checklistDirectory() + u'/' +
                QCoreApplication::translate("cw::Checklist", "Shopping List") +
                QStringLiteral(".md"),
            {markdown, calendar}, filter);
        if (path.isEmpty()) return;
        settings.setChecklistDirectory(QFileInfo(path).absolutePath());
        const QString suffix = QFileInfo(path).suffix().toLower();
        const Format format = suffix == QLatin1String("ics")  ? Format::Calendar
                              : suffix == QLatin1String("md") ? Format::Markdown
                              : filter == calendar            ? Format::Calendar
                                                              : Format::Markdown;
        const QByteArray bytes =
            format == Format::Markdown
                ? markdownChecklist(list)
                : calendarChecklist(list, QDateTime::currentDateTimeUtc(), [] {
                      return QUuid::createUuid().toString(QUuid::WithoutBraces) +
                             QStringLiteral("@cartwise");
                  });
        // The dialog has asked before a file is replaced.
        writeFileDurably(path, bytes, Replace::Existing);
    });
}

} // namespace cw
