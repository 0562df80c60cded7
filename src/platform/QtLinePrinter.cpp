#include "platform/QtLinePrinter.h"

#include "core/Failure.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace cw {

namespace {

QFont fixedPitchFont(const QString& name, double points) {
    QFont font(name);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

} // namespace

QtLinePrinter::QtLinePrinter()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_painter(std::make_unique<QPainter>()),
      m_font(fixedPitchFont(QStringLiteral("Courier New"), 10)) {}

QtLinePrinter::QtLinePrinter(const QString& pdfFile) : QtLinePrinter() {
    m_toPdfFile = true;
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfFile);
    // About what a printer cannot reach at the paper's edges.
    m_printer->setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

QtLinePrinter::~QtLinePrinter() {
    if (m_painter->isActive()) m_painter->end();
}

void QtLinePrinter::setFontName(const QString& name) {
    m_font = fixedPitchFont(name, m_font.pointSizeF());
    if (m_painter->isActive()) m_painter->setFont(m_font);
}

void QtLinePrinter::setFontSize(int points) {
    if (points <= 0)
        throw Failure(
            QCoreApplication::translate("cw::QtLinePrinter", "Invalid font size %1").arg(points));
    m_font.setPointSizeF(points);
    if (m_painter->isActive()) m_painter->setFont(m_font);
}

void QtLinePrinter::printLine(const QString& text) {
    begin();
    const QFontMetricsF metrics(m_painter->font(), m_printer.get());
    const double lineHeight = metrics.lineSpacing();
    // A line that would pass the bottom goes to a fresh page; on a fresh page it is drawn
    // even when it cannot fit, so that printing always moves on.
    if (m_y > 0 && m_y + lineHeight > m_printer->height()) startPage();
    if (!text.isEmpty()) m_painter->drawText(QPointF(0, m_y + metrics.ascent()), text);
    m_y += lineHeight;
}

void QtLinePrinter::newPage() {
    begin();
    startPage();
}

void QtLinePrinter::endDoc() {
    if (!m_painter->isActive()) return;
    m_y = 0;
    if (!m_painter->end())
        throw Failure(QCoreApplication::translate("cw::QtLinePrinter",
                                                  "The printout could not be finished on %1")
                          .arg(deviceName()));
}

bool QtLinePrinter::choosePrinter() {
    if (m_toPdfFile) return true;
    QPrintDialog dialog(m_printer.get(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtLinePrinter::begin() {
    if (m_painter->isActive()) return;
    if (!m_painter->begin(m_printer.get()))
        throw Failure(QCoreApplication::translate("cw::QtLinePrinter",
                                                  "The printout could not be started on %1")
                          .arg(deviceName()));
    m_painter->setFont(m_font);
    m_painter->setPen(Qt::black);
    m_y = 0;
}

void QtLinePrinter::startPage() {
    if (!m_printer->newPage())
        throw Failure(
            QCoreApplication::translate("cw::QtLinePrinter", "No new page could be started on %1")
                .arg(deviceName()));
    m_y = 0;
}

QString QtLinePrinter::deviceName() const {
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("cw::QtLinePrinter", "the file %1")
            .arg(m_printer->outputFileName());
    const QString name = m_printer->printerName();
    return name.isEmpty()
               ? QCoreApplication::translate("cw::QtLinePrinter", "the default printer")
               : QCoreApplication::translate("cw::QtLinePrinter", "the printer %1").arg(name);
}

} // namespace cw
