#pragma once
// The printer as the printout sees it: a font, lines of text, pages and a document end.
#include <QString>

namespace cw {

class LinePrinter {
public:
    virtual ~LinePrinter() = default;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void printLine(const QString& text) = 0; // an empty text prints an empty line
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    // Shows the platform's printer dialog; false when the user cancelled it.
    virtual bool choosePrinter() = 0;
};

} // namespace cw
