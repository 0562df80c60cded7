#pragma once
// The printer on QPrinter and QPainter: one text line per call, in a fixed-pitch font, with a
// new physical page whenever the next line would pass the bottom of the printable area.
#include "platform/LinePrinter.h"

#include <QFont>
#include <memory>

class QPainter;
class QPrinter;

namespace cw {

class QtLinePrinter : public LinePrinter {
public:
    // The system's printer; choosePrinter() shows the platform's printer dialog.
    QtLinePrinter();
    // A printer that writes every document to this PDF file; there is nothing to choose.
    explicit QtLinePrinter(const QString& pdfFile);
    ~QtLinePrinter() override;

    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void printLine(const QString& text) override;
    void newPage() override;
    void endDoc() override;
    bool choosePrinter() override;

private:
    // Starts a document unless one is open.
    void begin();
    void startPage();
    QString deviceName() const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    bool m_toPdfFile = false;
    double m_y = 0; // top of the next line, in device pixels from the printable area's top
};

} // namespace cw
