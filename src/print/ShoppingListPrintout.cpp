#include "print/ShoppingListPrintout.h"

#include "core/Failure.h"
#include "core/Numbers.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "model/ShoppingListModel.h"
#include "platform/LinePrinter.h"
#include "platform/UserSettings.h"
#include "print/PrintLayout.h"

namespace cw {

namespace {

// Lines that the page header and the column headings count for, whatever they really take.
constexpr qint16 kLinesAtPageStart = 5;

} // namespace

ShoppingListPrintout::ShoppingListPrintout(Context& ctx, const ShoppingListModel& list,
                                           LinePrinter& printer)
    : m_ctx(ctx), m_list(list), m_printer(printer) {}

void ShoppingListPrintout::print(int points) {
    const PrintLayout& layout = points == 9    ? PrintLayout::points9()
                                : points == 10 ? PrintLayout::points10()
                                               : PrintLayout::points8();
    const char* prefix = points == 9    ? prefix::kPrint9
                         : points == 10 ? prefix::kPrint10
                                        : prefix::kPrint8;
    // The report comes first; ending the document afterwards releases what was printed so far.
    if (!trap(m_ctx, prefix, [&] { printList(layout); })) skip([&] { m_printer.endDoc(); });
}

void ShoppingListPrintout::printList(const PrintLayout& layout) {
    const qint16 maxLines = toInteger(UserSettings(m_ctx).maxLines());
    m_printer.setFontName(QStringLiteral("Courier New"));
    printPageHeader();
    printHeadings(layout);
    qint16 lines = kLinesAtPageStart;

    const int rows = m_list.rowCount();
    for (int r = 0; r < rows; ++r) {
        m_printer.printLine(rowLine(layout, r));
        // The counter is a 16-bit number; it runs over only on a page longer than 32767 lines.
        if (lines == 32767) throw Failure::overflow();
        ++lines;
        if (lines > maxLines) {
            m_printer.newPage();
            printPageHeader();
            printHeadings(layout);
            lines = kLinesAtPageStart;
        }
    }

    m_printer.printLine(QString());
    m_printer.printLine(QString());
    m_printer.printLine(printMargin() + tr("Total Estimated Cost ") +
                        trimSpaces(m_list.totalText()));
    m_printer.endDoc();
}

void ShoppingListPrintout::printPageHeader() {
    for (int i = 0; i < 4; ++i)
        skip([&] { m_printer.printLine(QString()); });
    skip([&] { m_printer.printLine(printMargin() + QStringLiteral("Cartwise")); });
    skip([&] { m_printer.printLine(QString()); });
}

void ShoppingListPrintout::printHeadings(const PrintLayout& layout) {
    skip([&] { m_printer.printLine(rowLine(layout, -1)); });
    skip([&] { m_printer.printLine(layout.ruleLine()); });
    skip([&] { m_printer.printLine(QString()); });
}

QString ShoppingListPrintout::rowLine(const PrintLayout& layout, int row) const {
    std::array<QString, 6> texts;
    for (int c = 0; c < 6; ++c) {
        const int column = ShoppingListModel::Aisle + c;
        texts[c] = row < 0 ? ShoppingListModel::shownHeading(column) : m_list.cell(row, column);
    }
    return layout.line(texts);
}

} // namespace cw
