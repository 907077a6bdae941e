#include "reports/print_report.h"

#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>

#include "almanac/app_state.h"
#include "almanac/display_format.h"
#include "gui/desktop_messages.h"
#include "gui/layout_metrics.h"
#include "gui/text_drawing.h"
#include "support/file_io.h"
#include "support/messages.h"

namespace skyledger {

namespace {

const QString DOCUMENT_NAME = QStringLiteral("Skyledger");

bool runPages(QPrinter& printer, const PageRoutine& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    pages(printer, painter);
    return painter.end();
}

// Prints with `printer` (set up for PDF) into a draft in a private folder,
// then writes the finished document to `path` through the output-file
// routine: a full disk or a second writer never leaves a cut-off file there,
// and a FIFO or a link is treated as the command line's -o treats it.
FileResult<Done> printPdfThroughDraft(QPrinter& printer, const std::string& path,
                                      const PageRoutine& pages) {
    const QTemporaryDir scratch;
    if (!scratch.isValid()) return FileProblem{scratch.errorString().toStdString()};
    const QString draft = scratch.filePath(QStringLiteral("report.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(draft);
    QFile drafted(draft);
    const bool printed = runPages(printer, pages) && drafted.open(QIODevice::ReadOnly);
    const QByteArray bytes = printed ? drafted.readAll() : QByteArray();
    // A draft cut short (its own folder full) lacks the closing marker.
    if (!bytes.trimmed().endsWith("%%EOF")) return FileProblem{PDF_NOT_MADE_REASON};
    return writeOutputFile(path,
                           std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
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

void drawReportHead(QPainter& painter, const PrintFonts& fonts, const PageMargins& margins,
                    std::string_view title, const AppState& state) {
    painter.setFont(fonts.heading);
    drawTextAt(painter, margins.leftMargin, margins.topMargin, title);
    painter.setFont(fonts.body);
    if (const Location* location = state.locations.currentLocation())
        drawTextAt(painter, margins.leftMargin, margins.topMargin + fonts.headLine,
                   reportLocationLine(*location, state.preferences));
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
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty()) {
        runPages(printer, pages);
        return;
    }
    const FileResult<Done> printed =
        printPdfThroughDraft(printer, QFile::encodeName(file).toStdString(), pages);
    if (!printed.ok()) {
        QMessageBox::warning(
            owner, DOCUMENT_NAME,
            cannotWritePdfMessage(file, QString::fromLocal8Bit(printed.error().why)));
    }
}

FileResult<Done> printReportToPdf(const std::string& path, const PageRoutine& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(DOCUMENT_NAME);
    return printPdfThroughDraft(printer, path, pages);
}

FileResult<Done> printReportToPdf(const QString& fileName, const PageRoutine& pages) {
    return printReportToPdf(QFile::encodeName(fileName).toStdString(), pages);
}

} // namespace skyledger
