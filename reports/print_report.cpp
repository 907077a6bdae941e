#include "reports/print_report.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "gui/layout_metrics.h"

namespace skyledger {

namespace {

const QString DOCUMENT_NAME = QStringLiteral("Skyledger");

void runPages(QPrinter& printer, const PageRoutine& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    pages(printer, painter);
    painter.end();
}

} // namespace

PrinterGeometry printerGeometry(const QPrinter& printer) {
    const int dpi = printer.resolution();
    const QRect paper = printer.pageLayout().fullRectPixels(dpi);
    const QRect printable = printer.pageLayout().paintRectPixels(dpi);
    PrinterGeometry g;
    g.logPixelsX = dpi;
    g.logPixelsY = dpi;
    g.physicalOffsetX = printable.left() - paper.left();
    g.physicalOffsetY = printable.top() - paper.top();
    g.physicalHeight = paper.height();
    g.vertRes = printable.height();
    return g;
}

PageMargins pageMargins(const PrinterGeometry& g) {
    const double dpiX = g.logPixelsX;
    const double dpiY = g.logPixelsY;
    // The unprintable strip at the foot of the paper, in inches.
    const double footStrip = (g.physicalHeight - g.vertRes - g.physicalOffsetY) / dpiY;
    PageMargins m;
    m.leftMargin = std::max(0, static_cast<int>(dpiX * (0.75 - g.physicalOffsetX / dpiX)));
    m.topMargin = std::max(0, static_cast<int>(dpiY * (0.75 - g.physicalOffsetY / dpiY)));
    m.bottomMargin = std::max(0, static_cast<int>(dpiY * (0.75 - footStrip)));
    m.pageBottom = g.vertRes - m.bottomMargin;
    return m;
}

PrintFonts makePrintFonts(const QPrinter& printer) {
    const int dpi = printer.resolution();
    PrintFonts f;
    f.heading = fontWithCellHeight(QStringLiteral("Arial"), dpi / 4, QFont::Bold, &printer);
    f.body = fontWithCellHeight(QStringLiteral("Times New Roman"), dpi / 6, QFont::Light, &printer);
    f.headLine = QFontMetrics(f.heading, &printer).lineSpacing();
    f.bodyLine = QFontMetrics(f.body, &printer).lineSpacing();
    f.blankWidth = QFontMetrics(f.body, &printer).horizontalAdvance(QLatin1Char(' '));
    return f;
}

void printReport(QWidget* owner, const PageRoutine& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(DOCUMENT_NAME);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (dialog.exec() != QDialog::Accepted) return;
    runPages(printer, pages);
}

bool printReportToPdf(const QString& fileName, const PageRoutine& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(DOCUMENT_NAME);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    pages(printer, painter);
    if (!painter.end()) return false;
    const QFileInfo written(fileName);
    return written.exists() && written.size() > 0;
}

} // namespace skyledger
