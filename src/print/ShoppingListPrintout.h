#pragma once
// The printed shopping list: its rows in the order the window shows them, as fixed-pitch text
// lines in the layout of one of three font sizes, with a page header and column headings on
// every page and the estimated total at the end.
#include <QCoreApplication>
#include <QString>

namespace cw {

class Context;
class LinePrinter;
class ShoppingListModel;
struct PrintLayout;

class ShoppingListPrintout {
    Q_DECLARE_TR_FUNCTIONS(cw::ShoppingListPrintout)
public:
    ShoppingListPrintout(Context& ctx, const ShoppingListModel& list, LinePrinter& printer);

    // Prints the whole list in the layout for 8, 9 or 10 points and ends the document. A
    // failure is reported (under the layout's own prefix), after which the document is ended,
    // so that what was printed so far goes to the printer.
    void print(int points);

private:
    void printList(const PrintLayout& layout);
    // These two skip a failing line and go on with the next one.
    void printPageHeader();
    void printHeadings(const PrintLayout& layout);
    // The fields of a row (-1: the headings), Isle to Total.
    QString rowLine(const PrintLayout& layout, int row) const;

    Context& m_ctx;
    const ShoppingListModel& m_list;
    LinePrinter& m_printer;
};

} // namespace cw
