#pragma once
// The printed shopping list: the grid's rows, in the order the grid shows them, as fixed-pitch
// text lines in one of three layouts, with a page header and column headings on every page
// and the estimated total at the end.
#include <QString>

namespace cw {

class Context;
class GridSource;
class LinePrinter;
struct PrintLayout;

class PrintOut {
public:
    PrintOut(Context& ctx, const GridSource& grid, LinePrinter& printer);

    // Each prints the whole list in its layout and ends the document. A failure is reported
    // under "DoPrint8_Error: " (or the 9 or 10 form), after which the document is ended.
    void DoPrint8();
    void DoPrint9();
    void DoPrint10();

    // These skip a failing step and go on with the next one.
    void PrintPageHeader();
    void PrintColumnHeadings();   // 8 points
    void PrintColumnHeadings9();  // 9 points
    void PrintColumnHeadings10(); // 10 points

private:
    using Headings = void (PrintOut::*)();
    void doPrint(const QString& prefix, const PrintLayout& layout, Headings headings);
    void printList(const PrintLayout& layout, Headings headings);
    void printHeadings(const PrintLayout& layout);
    // The fields of one grid row, columns 1 to 6.
    QString rowLine(const PrintLayout& layout, int row) const;

    Context& m_ctx;
    const GridSource& m_grid;
    LinePrinter& m_printer;
};

} // namespace cw
