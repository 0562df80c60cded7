// The list taken along: its lines, the Markdown and iCalendar files byte for byte, the save
// dialog's answers, and the phone's codes split at line ends.
#include "ShoppingListRows.h"
#include "commands/Checklist.h"
#include "phone/PhoneListDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace cw;
using namespace cw::test;

namespace {

// Bread with all its fields; Eggs with no quantity, size or aisle; a name Markdown and
// iCalendar both have to escape.
void fill(ShoppingListRows& list) {
    list.add({"08", "Bread", "24 oz", "Bakery", "2", "2.49"});
    list.add({"", "Eggs", "", "Dairy", "", "3.00"});
    list.add({"A3", "Caf\u00e9 *Noir*, [dark]; 1\\2", "250 g", "Coffee", "1.5", "4.00"});
    list.model.setTotalText("12.98");
}

} // namespace

TEST(Checklist, MarkdownAndICalendarHoldEveryRowInOrderAndTheTotalLast) {
    ShoppingListRows list;
    fill(list);
    EXPECT_EQ(checklistLines(list.model),
              QStringList({"2 × Bread, 24 oz, aisle 08", "Eggs",
                           "2 × Café *Noir*, [dark]; 1\\2, 250 g, aisle A3"}));
    EXPECT_EQ(phoneText(list.model), checklistLines(list.model).join('\n') + "\nTotal: $12.98");
    EXPECT_EQ(markdownChecklist(list.model),
              QString("- [ ] 2 × Bread, 24 oz, aisle 08\n"
                      "- [ ] Eggs\n"
                      "- [ ] 2 × Café \\*Noir\\*, \\[dark\\]; 1\\\\2, 250 g, aisle A3\n"
                      "\n"
                      "Total: $12.98\n")
                  .toUtf8());

    int uid = 0;
    const QByteArray ics =
        calendarChecklist(list.model, QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC),
                          [&] { return QStringLiteral("task-%1@cartwise").arg(++uid); });
    auto task = [](int n, const QByteArray& summary) {
        return "BEGIN:VTODO\r\nUID:task-" + QByteArray::number(n) +
               "@cartwise\r\nDTSTAMP:20261207T093000Z\r\nSUMMARY:" + summary +
               "\r\nSTATUS:NEEDS-ACTION\r\nEND:VTODO\r\n";
    };
    EXPECT_EQ(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                   "PRODID:-//Cartwise//Cartwise Shopping List//EN\r\nCALSCALE:GREGORIAN\r\n"
                   "NAME:Cartwise Shopping List\r\nX-WR-CALNAME:Cartwise Shopping List\r\n"
                   "DESCRIPTION:Total: $12.98\r\n" +
                       task(1, "2 × Bread\\, 24 oz\\, aisle 08") + task(2, "Eggs") +
                       task(3, "2 × Café *Noir*\\, [dark]\\; 1\\\\2\\, 250 g\\, aisle A3") +
                       "END:VCALENDAR\r\n");
}

TEST(Checklist, LongLinesFoldAt75OctetsBetweenCharacters) {
    ShoppingListRows list;
    // Characters of two octets each after 14 of one: the fold at 75 falls inside one of them.
    list.add({"", QString(48, QChar(0xe9)), "", "Dairy", "12", "1.00"});
    const QByteArray ics =
        calendarChecklist(list.model, QDateTime::currentDateTimeUtc(), [] { return QString("u"); });
    const QByteArray summary = ics.mid(ics.indexOf("SUMMARY:"));
    const QList<QByteArray> lines = summary.left(summary.indexOf("\r\nSTATUS")).split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 74 + 1); // 74 octets and the CR: 75 would split a character
    EXPECT_TRUE(lines[1].startsWith(' '));
    EXPECT_EQ(QString::fromUtf8(lines[0].chopped(1) + lines[1].mid(1)),
              "SUMMARY:12 × " + QString(48, QChar(0xe9)));
}

TEST(Checklist, SaveWritesTheFormatOfTheNameOrTheTypeChosenAndKeepsTheFolder) {
    TestContext t;
    t.ctx.documentsDir = t.path("Documents");
    ShoppingListRows list;
    fill(list);
    t.prompts.answerInput(t.path("trip.md"));
    saveChecklist(t.ctx, list.model);
    ASSERT_EQ(t.prompts.boxes.size(), 1u);
    EXPECT_EQ(t.prompts.boxes[0].text, t.path("Documents/Shopping List.md")); // suggested
    EXPECT_EQ(t.prompts.shownTypes,
              QStringList({"Markdown checklist (*.md)", "iCalendar tasks (*.ics)"}));
    EXPECT_EQ(readFile(t.path("trip.md")), markdownChecklist(list.model));
    EXPECT_EQ(t.settings.values["checklistdirectory"], t.dir.path());

    // A name without a known extension takes the type chosen; the old file is replaced whole.
    writeFile(t.path("trip"), "an older list, longer than the new one will be ..........");
    t.prompts.saveType = "iCalendar tasks (*.ics)";
    t.prompts.answerInput(t.path("trip"));
    saveChecklist(t.ctx, list.model);
    EXPECT_TRUE(readFile(t.path("trip")).startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(readFile(t.path("trip")).count("BEGIN:VTODO"), 3);
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Hidden | QDir::Files),
              QStringList({"trip", "trip.md"})); // nothing left beside them

    t.prompts.answerInput(""); // Cancel writes nothing
    t.prompts.answerInput(t.path("gone/trip.md"));
    saveChecklist(t.ctx, list.model);
    saveChecklist(t.ctx, list.model);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{errorReport("frmMain.SaveChecklist", sysError(ENOENT))});
}

TEST(PhoneList, ALongListIsSplitAtLineEndsIntoNumberedCodesShownWithNextAndBack) {
    ShoppingListRows list;
    EXPECT_EQ(PhoneListDialog::split("2 × Bread\nTotal: $4.98"),
              QStringList{"2 × Bread\nTotal: $4.98"});
    for (int i = 0; i < 40; ++i)
        list.add({"12", QStringLiteral("Item number %1 with a long name").arg(i), "1 pack", "Dairy",
                  "1", "1.00"});
    const QString text = phoneText(list.model);
    const QStringList parts = PhoneListDialog::split(text);
    const int n = int(parts.size());
    ASSERT_GT(n, 2);
    QStringList lines;
    for (int i = 0; i < n; ++i) {
        EXPECT_LE(parts[i].toUtf8().size(), PhoneListDialog::kMostBytes);
        QStringList own = parts[i].split('\n');
        EXPECT_EQ(own.takeFirst(), QStringLiteral("%1 of %2").arg(i + 1).arg(n));
        lines += own;
    }
    EXPECT_EQ(lines.join('\n'), text);

    TestContext t;
    PhoneListDialog dialog(t.ctx, list.model, nullptr);
    dialog.show();
    auto* next = dialog.findChild<QPushButton*>("phoneNext");
    auto* back = dialog.findChild<QPushButton*>("phoneBack");
    const auto* number = dialog.findChild<QLabel*>("phoneCodeNumber");
    EXPECT_EQ(number->text(), QStringLiteral("1 of %1").arg(n));
    EXPECT_FALSE(back->isEnabled());
    for (int i = 1; i < n; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(number->text(), QStringLiteral("%1 of %1").arg(n));
    EXPECT_FALSE(next->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(dialog.shown(), n - 2);
    EXPECT_FALSE(dialog.findChild<QLabel*>("phoneCode")->pixmap().isNull());
}
