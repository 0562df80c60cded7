#include "print/PrintOut.h"

#include "commands/GridSource.h"
#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/Trap.h"
#include "platform/LinePrinter.h"
#include "platform/Settings.h"
#include "print/PrintLayout.h"

namespace cw {

namespace {

// Lines that the page header and the column headings count for, whatever they really take.
constexpr qint16 kLinesAtPageStart = 5;

} // namespace

PrintOut::PrintOut(Context& ctx, const GridSource& grid, LinePrinter& printer)
    : m_ctx(ctx), m_grid(grid), m_printer(printer) {}

void PrintOut::DoPrint8() {
    doPrint(QStringLiteral("DoPrint8_Error: "), PrintLayout::points8(),
            &PrintOut::PrintColumnHeadings);
}

void PrintOut::DoPrint9() {
    doPrint(QStringLiteral("DoPrint9_Error: "), PrintLayout::points9(),
            &PrintOut::PrintColumnHeadings9);
}

void PrintOut::DoPrint10() {
    doPrint(QStringLiteral("DoPrint10_Error: "), PrintLayout::points10(),
            &PrintOut::PrintColumnHeadings10);
}

void PrintOut::doPrint(const QString& prefix, const PrintLayout& layout, Headings headings) {
    // The report comes first; ending the document afterwards releases what was printed so far.
    if (!trap(m_ctx, prefix, [&] { printList(layout, headings); }))
        skip([&] { m_printer.endDoc(); });
}

void PrintOut::printList(const PrintLayout& layout, Headings headings) {
    const qint16 maxLines =
        toInteger(m_ctx.settings->get(QStringLiteral("maxlines"), QStringLiteral("50")));
    m_printer.setFontName(QStringLiteral("Courier New"));
    PrintPageHeader();
    (this->*headings)();
    qint16 lines = kLinesAtPageStart;

    const int rows = m_grid.rowCount();
    for (int r = 1; r < rows; ++r) {
        m_printer.printLine(rowLine(layout, r));
        // The counter is a 16-bit number; it runs over only on a page longer than 32767 lines.
        if (lines == 32767) throw Failure("Overflow");
        ++lines;
        if (lines > maxLines) {
            m_printer.newPage();
            PrintPageHeader();
            (this->*headings)();
            lines = kLinesAtPageStart;
        }
    }

    m_printer.printLine(QString());
    m_printer.printLine(QString());
    m_printer.printLine(printMargin() + QStringLiteral("Total Estimated Cost ") +
                        m_grid.totalCaption().trimmed());
    m_printer.endDoc();
}

void PrintOut::PrintPageHeader() {
    for (int i = 0; i < 4; ++i)
        skip([&] { m_printer.printLine(QString()); });
    skip([&] { m_printer.printLine(printMargin() + QStringLiteral("Cartwise")); });
    skip([&] { m_printer.printLine(QString()); });
}

void PrintOut::PrintColumnHeadings() {
    printHeadings(PrintLayout::points8());
}
void PrintOut::PrintColumnHeadings9() {
    printHeadings(PrintLayout::points9());
}
void PrintOut::PrintColumnHeadings10() {
    printHeadings(PrintLayout::points10());
}

void PrintOut::printHeadings(const PrintLayout& layout) {
    skip([&] { m_printer.printLine(rowLine(layout, 0)); });
    skip([&] { m_printer.printLine(layout.ruleLine()); });
    skip([&] { m_printer.printLine(QString()); });
}

QString PrintOut::rowLine(const PrintLayout& layout, int row) const {
    std::array<QString, 6> texts;
    for (int c = 0; c < 6; ++c)
        texts[c] = m_grid.cellText(row, c + 1);
    return layout.line(texts);
}

} // namespace cw
