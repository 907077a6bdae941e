// The printed margins, from what a printer reports about its page.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "reports/print_report.h"
#include "tests/gui/qt_test_environment.h"

namespace skyledger {
namespace {

TEST(PageMargins, KeepThreeQuartersOfAnInchFromThePaperEdges) {
    // A 600 dpi Letter printer that cannot print the outer quarter inch.
    const PrinterGeometry g{600, 600, 150, 150, 6600, 6300};
    const PageMargins m = pageMargins(g);
    EXPECT_EQ(m.leftMargin, 300);
    EXPECT_EQ(m.topMargin, 300);
    EXPECT_EQ(m.bottomMargin, 300);
    EXPECT_EQ(m.pageBottom, 6000);
}

TEST(PageMargins, APrintableAreaFurtherInThanThreeQuartersGetsNoMargin) {
    const PrinterGeometry g{300, 300, 300, 240, 3300, 2700};
    const PageMargins m = pageMargins(g);
    EXPECT_EQ(m.leftMargin, 0);
    EXPECT_EQ(m.topMargin, 0);
    EXPECT_EQ(m.bottomMargin, 0);
    EXPECT_EQ(m.pageBottom, 2700);
}

TEST(PrintReportToPdf, WritesEveryPageAndFailsForAnUnwritablePath) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("two.pdf"));
    int pagesDrawn = 0;
    const PageRoutine twoPages = [&](QPrinter& printer, QPainter& painter) {
        painter.drawText(100, 100, QStringLiteral("one"));
        printer.newPage();
        painter.drawText(100, 100, QStringLiteral("two"));
        pagesDrawn = 2;
    };
    ASSERT_TRUE(printReportToPdf(file, twoPages).ok());
    EXPECT_EQ(pagesDrawn, 2);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/Count 2"));
    const QtMessageCatcher qt;
    EXPECT_FALSE(printReportToPdf(dir.filePath(QStringLiteral("missing/x.pdf")), twoPages).ok());
    for (const QString& message : qt.messages()) // at most the painter's refusal
        EXPECT_TRUE(message.startsWith(QStringLiteral("QPainter::begin"))) << message.toStdString();
}

TEST(PrintFonts, AreAQuarterAndASixthOfAnInchHigh) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const PrintFonts f = makePrintFonts(printer);
    const int dpi = printer.resolution();
    EXPECT_NEAR(QFontMetrics(f.heading, &printer).height(), dpi / 4, dpi / 100);
    EXPECT_NEAR(QFontMetrics(f.body, &printer).height(), dpi / 6, dpi / 100);
    EXPECT_GE(f.bodyLine, QFontMetrics(f.body, &printer).height());
    EXPECT_GT(f.blankWidth, 0);
}

} // namespace
} // namespace skyledger
