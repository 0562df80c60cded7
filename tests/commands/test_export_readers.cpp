// The export file opened by real readers of comma-separated text: gnumeric's ssconvert and
// Python's csv module. Each check is skipped when its tool is not installed.
#include "app/ExportCommand.h"

#include "FakeGrid.h"
#include "TestContext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

namespace {

using Rows = std::vector<QStringList>;

// The cells every reader must find, row by row; the grid's header captions come out trimmed.
Rows expectedRows() {
    return {
        {"Isle", "Item", "Size", "Category", "Qty", "Total"},
        {"05", "Milk", "1 gal", "Dairy", "2", "4.98"},
        {"", "12\" Pizza, large", "\"Large\"", "Frozen, misc", "", "0.00"},
        {"A7", QString::fromUtf8("Café crème"), "1 l", QString::fromUtf8("Drinks €"), "3", "7.50"},
        // Too long once its quotes are doubled: both quote cells lose six quotes.
        {QString(44, '"'), QString(44, '"'), QString(50, 'S'), QString(50, 'C'), "1", "1.00"},
    };
}

// Exports the rows above into a fresh directory and returns the file's path.
QString exportSample(TestContext& t) {
    FakeGrid grid;
    grid.add("05", "Milk", "1 gal", "Dairy", "2", "4.98");
    grid.add("", "12\" Pizza, large", "\"Large\"", "Frozen, misc", "", "0.00");
    grid.add("A7", QString::fromUtf8("Café crème"), "1 l", QString::fromUtf8("Drinks €"), "3",
             "7.50");
    grid.add(QString(50, '"'), QString(50, '"'), QString(50, 'S'), QString(50, 'C'), "1", "1.00");
    t.ctx.documentsDir = t.dir.path();
    t.prompts.answerInput(t.dir.path());
    mnuExport_Click(t.ctx, grid);
    return t.dir.path() + "/Cartwise.txt";
}

// Comma-separated text as a spreadsheet writes it: quoted fields with doubled quotes; lines
// of blanks only are left out.
Rows parseCsv(const QString& text) {
    Rows rows;
    QStringList row;
    QString field;
    bool quoted = false, blankLine = true;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
            blankLine = false;
        } else if (c == ',') {
            row << field;
            field.clear();
            blankLine = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            row << field;
            if (!blankLine) rows.push_back(row);
            row.clear();
            field.clear();
            blankLine = true;
        } else {
            field += c;
            if (c != ' ') blankLine = false;
        }
    }
    if (!blankLine) rows.push_back(row << field);
    return rows;
}

// A spreadsheet turns numeric text into numbers: 05 shows as 5, 7.50 as 7.5.
bool sameCell(const QString& shown, const QString& exported) {
    bool a = false, b = false;
    const double x = shown.toDouble(&a), y = exported.toDouble(&b);
    return shown == exported || (a && b && x == y);
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ExportReaders, SpreadsheetFindsEveryCellInItsPlace) {
    const QString ssconvert = QStandardPaths::findExecutable("ssconvert");
    if (ssconvert.isEmpty()) GTEST_SKIP() << "ssconvert (gnumeric) is not installed";
    TestContext t;
    const QString file = exportSample(t);
    const QString csv = t.dir.path() + "/read-back.csv";
    run(ssconvert, {"--import-encoding=CP1252", "-T", "Gnumeric_stf:stf_csv", file, csv});

    const Rows shown = parseCsv(QString::fromUtf8(readFile(csv)));
    const Rows expected = expectedRows();
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t r = 0; r < expected.size(); ++r) {
        ASSERT_EQ(shown[r].size(), 6) << "row " << r << ": " << shown[r].join('|').toStdString();
        for (int c = 0; c < 6; ++c)
            EXPECT_TRUE(sameCell(shown[r][c], expected[r][c]))
                << "row " << r << " column " << c << ": " << shown[r][c].toStdString();
    }
}

TEST(ExportReaders, PythonCsvModuleReadsTheSameCells) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    TestContext t;
    const QString file = exportSample(t);
    // The padding blanks of one record stand in front of the next line's first quote.
    const QString script =
        QStringLiteral("import csv, io, json, sys\n"
                       "text = open(sys.argv[1], 'rb').read().decode('cp1252')\n"
                       "rows = csv.reader(io.StringIO(text, newline=''), skipinitialspace=True)\n"
                       "print(json.dumps([r for r in rows if any(c.strip() for c in r)]))\n");
    const QJsonArray rows =
        QJsonDocument::fromJson(run(python, {"-c", script, file}).toUtf8()).array();

    const Rows expected = expectedRows();
    ASSERT_EQ(rows.size(), static_cast<int>(expected.size()));
    for (std::size_t r = 0; r < expected.size(); ++r) {
        QStringList cells;
        for (const auto& v : rows[static_cast<int>(r)].toArray())
            cells << v.toString();
        EXPECT_EQ(cells, expected[r]) << "row " << r;
    }
}

} // namespace
