// The print job all three reports share, and the printer's page geometry in
// the terms the printed pages were laid out in (a printer's resolution, the
// offset of its printable area on the paper, the paper's and the printable
// area's heights, all in printer pixels).
#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <string_view>
#include <string>

#include "support/file_result.h"

class QPainter;
class QPrinter;
class QWidget;

namespace skyledger {

// What a printer reports about its page, in printer pixels. The painter on a
// QPrinter starts at the printable area's top-left corner, so every position
// of a page routine is relative to the printable area.
struct PrinterGeometry {
    int logPixelsX = 0;      // LOGPIXELSX: pixels per inch across (the printer's resolution)
    int logPixelsY = 0;      // LOGPIXELSY: pixels per inch down
    int physicalOffsetX = 0; // PHYSICALOFFSETX: the printable area's left edge from the paper's
    int physicalOffsetY = 0; // PHYSICALOFFSETY: its top edge from the paper's
    int physicalHeight = 0;  // PHYSICALHEIGHT: the paper's height
    int vertRes = 0;         // VERTRES: the printable area's height
};

[[nodiscard]] PrinterGeometry printerGeometry(const QPrinter& printer);

// The margins of every printed report: three quarters of an inch from the
// left, top and bottom paper edges, or none where the printer cannot print
// that far in. Positions are relative to the printable area.
struct PageMargins {
    int leftMargin = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int pageBottom = 0; // VERTRES - bottomMargin: no line reaches below it
};

[[nodiscard]] PageMargins pageMargins(const PrinterGeometry& geometry);

// The two fonts of every printout, made for one printer: the heading font
// "Arial" bold a quarter of an inch high, the body font "Times New Roman"
// weight 300 a sixth of an inch high (fontconfig gives their Liberation
// twins), and the line pitch of each (text height plus leading).
struct PrintFonts {
    QFont heading;
    QFont body;
    int headLine = 0;
    int bodyLine = 0;
    int blankWidth = 0; // the width of one blank in the body font
};

[[nodiscard]] PrintFonts makePrintFonts(const QPrinter& printer);

struct AppState;

// The head of a report's page: `title` in the heading font at the top
// margin and, under it in the body font, the line of the state's current
// place (none without a place). The painter keeps the body font.
void drawReportHead(QPainter& painter, const PrintFonts& fonts, const PageMargins& margins,
                    std::string_view title, const AppState& state);

// A report's page routine: it draws its pages with `painter` on `printer`,
// starting a new page with printer.newPage().
using PageRoutine = std::function<void(QPrinter& printer, QPainter& painter)>;

// Asks for a printer with the print dialog (which also offers a PDF file) and
// prints the report there as the document "Skyledger"; nothing on cancel. A
// PDF file is written as printReportToPdf writes it; a failure is shown.
void printReport(QWidget* owner, const PageRoutine& pages);

// Prints the report into the PDF file `path` (the name's bytes) without any
// dialog: whole or not at all, through writeOutputFile. The reason instead
// when the file cannot be written; a file already there is then left as it
// was.
FileResult<Done> printReportToPdf(const std::string& path, const PageRoutine& pages);
// The same for a file name Qt holds.
FileResult<Done> printReportToPdf(const QString& fileName, const PageRoutine& pages);

} // namespace skyledger
