// The chart on paper and in a text file: pages read back with pdftotext, the
// saved file compared with the command-line almanac's.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include "almanac/almanac_session.h"
#include "chart_test_support.h"
#include "reports/chart_print.h"
#include "reports/chart_window.h"

namespace skyledger {
namespace {

// The text of each page of a PDF file, in reading order.
QStringList pdfPages(const QString& file) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_TRUE(run.waitForFinished(20000));
    QStringList pages = QString::fromUtf8(run.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// The dates (dd-Mmm-yy) printed on a page, top to bottom.
QStringList datesOn(const QString& page) {
    QStringList dates;
    static const QRegularExpression date(QStringLiteral("\\b\\d\\d-[A-Z][a-z][a-z]-\\d\\d\\b"));
    for (auto it = date.globalMatch(page); it.hasNext();)
        dates << it.next().captured();
    return dates;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ChartPrintTest : public ::testing::Test {
  protected:
    std::unique_ptr<AppState> state = greenwichState();
    QTemporaryDir dir;
    AlmanacSession session{*state};

    void computeChart(CivilDate start, int32_t days) {
        ASSERT_TRUE(session.prepareChart(start, days));
    }
};

TEST_F(ChartPrintTest, AYearPrintsOnSeveralPagesEachWithItsHead) {
    computeChart(CivilDate{2024, 1, 1}, 366);
    const QString file = dir.filePath(QStringLiteral("year.pdf"));
    ASSERT_TRUE(printReportToPdf(file, chartPageRoutine(state->chart, *state)).ok());
    const QStringList pages = pdfPages(file);
    ASSERT_GE(pages.size(), 3);

    EXPECT_TRUE(pages[0].contains(QStringLiteral("Sun/Moon Rise/Set Information")));
    EXPECT_TRUE(
        pages[0].contains(QString::fromUtf8("Greenwich (51.48°N, 0.00°W), UT, True bearings")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Page")));
    QStringList allDates;
    for (int i = 0; i < pages.size(); ++i) {
        const QString& page = pages[i];
        for (const char* head : {"Date", "Sunrise", "Sunset", "Moonrise", "Moonset", "%Illum"})
            EXPECT_TRUE(page.contains(QLatin1String(head))) << head << " on page " << i + 1;
        if (i > 0) {
            // pdftotext shows the run of blanks before "Page" as a gap.
            const QRegularExpression title(
                QStringLiteral("Sun/Moon Rise/Set Information\\s+Page %1\\b").arg(i + 1));
            EXPECT_TRUE(page.contains(title)) << page.left(200).toStdString();
            EXPECT_FALSE(page.contains(QStringLiteral("Greenwich")));
        }
        allDates << datesOn(page);
    }
    ASSERT_EQ(allDates.size(), 366);
    EXPECT_EQ(allDates.first(), QStringLiteral("01-Jan-24"));
    EXPECT_EQ(allDates.last(), QStringLiteral("31-Dec-24"));
}

TEST_F(ChartPrintTest, ARowEndingExactlyOnTheBottomMarginGoesToTheNextPage) {
    computeChart(CivilDate{2024, 5, 1}, 20);
    // Margins whose bottom falls exactly under the tenth row of page 1,
    // then one pixel lower.
    const auto printWithBottom = [&](int extra) {
        const QString file = dir.filePath(QStringLiteral("rows%1.pdf").arg(extra));
        const PageRoutine pages = [&](QPrinter& printer, QPainter& painter) {
            PageMargins margins = pageMargins(printerGeometry(printer));
            const PrintFonts fonts = makePrintFonts(printer);
            margins.pageBottom = chartFirstRowTop(fonts, margins, 1) + 10 * fonts.bodyLine + extra;
            printChartPages(printer, painter, state->chart, *state, margins);
        };
        EXPECT_TRUE(printReportToPdf(file, pages).ok());
        return pdfPages(file);
    };
    const QStringList exact = printWithBottom(0);
    ASSERT_GE(exact.size(), 2);
    EXPECT_EQ(datesOn(exact[0]).size(), 9);
    EXPECT_EQ(datesOn(exact[1]).first(), QStringLiteral("10-May-24"));

    const QStringList roomier = printWithBottom(1);
    ASSERT_GE(roomier.size(), 2);
    EXPECT_EQ(datesOn(roomier[0]).size(), 10);
    EXPECT_EQ(datesOn(roomier[1]).first(), QStringLiteral("11-May-24"));
}

TEST_F(ChartPrintTest, PrintAndSaveAsEachCloseTheWindow) {
    computeChart(CivilDate{2024, 2, 20}, 3);
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    const auto open = [&] {
        auto* window = new ChartWindow(testMetrics(), session);
        window->setPrintJob([&](QWidget*, const PageRoutine& pages) {
            EXPECT_TRUE(printReportToPdf(pdf, pages).ok());
        });
        window->setSaveFileChooser([] { return QString(); }); // the user cancels
        window->show();
        return QPointer<ChartWindow>(window);
    };

    QPointer<ChartWindow> window = open();
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(datesOn(pdfPages(pdf).value(0)).size(), 3);

    window = open();
    QTest::mouseClick(window->saveButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("printed.pdf")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ChartPrintTest, PrintedAndSavedHeadsNameThePlaceAndBasisOfTheRowsNotTheCurrentOnes) {
    computeChart(CivilDate{2024, 2, 20}, 3); // Greenwich, UT, true bearings
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    const QString saved = dir.filePath(QStringLiteral("saved.txt"));
    const auto open = [&] {
        auto* window = new ChartWindow(testMetrics(), session);
        window->setPrintJob([&](QWidget*, const PageRoutine& pages) {
            EXPECT_TRUE(printReportToPdf(pdf, pages).ok());
        });
        window->setSaveFileChooser([&] { return saved; });
        window->show();
        return QPointer<ChartWindow>(window);
    };
    QPointer<ChartWindow> printing = open();
    QPointer<ChartWindow> saving = open();
    // The main window moves on to another place, basis and reference.
    for (int32_t i = 0; i < state->locations.count(); ++i)
        if (state->locations.records[static_cast<size_t>(i)].name == "Honolulu")
            session.setCurrentLocation(i);
    session.setTimeBasis(TimeBasis::Daylight);
    session.setMagneticBearings(true);

    QTest::mouseClick(printing->printButton(), Qt::LeftButton);
    const QString page = pdfPages(pdf).value(0);
    EXPECT_TRUE(page.contains(QString::fromUtf8("Greenwich (51.48°N, 0.00°W), UT, True bearings")))
        << page.left(300).toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("Honolulu")));

    QTest::mouseClick(saving->saveButton(), Qt::LeftButton);
    EXPECT_TRUE(readFile(saved).startsWith("Sun/Moon Rise/Set Information\r\n"
                                           "Greenwich (51.48\xb0N, 0.00\xb0W), UT, True bearings\r\n"))
        << readFile(saved).left(120).toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#ifdef SKYLEDGER_CLI_PATH
TEST_F(ChartPrintTest, SavedTextEqualsTheCommandLineExport) {
    state->preferences.twelveHourClock = true;
    computeChart(CivilDate{2024, 2, 20}, 40);
    ShownErrors errors;
    const QString saved = dir.filePath(QStringLiteral("chart")); // no extension is added
    ASSERT_TRUE(saveChartText(
        state->chart, *state, [&] { return saved; }, errors.sink(), nullptr));
    EXPECT_TRUE(errors.messages.empty());

    const QString cli = dir.filePath(QStringLiteral("cli.txt"));
    QProcess run;
    run.start(QStringLiteral(SKYLEDGER_CLI_PATH),
              {"--settings", SKYLEDGER_DEFAULT_SETTINGS, "--location", "Greenwich", "--basis",
               "universal", "--bearings", "true", "--clock", "12", "chart", "2024-02-20", "40",
               "-o", cli});
    ASSERT_TRUE(run.waitForFinished(20000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const QByteArray expected = readFile(cli);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(readFile(saved), expected);
    EXPECT_TRUE(readFile(saved).contains("AM\t"));
}
#endif

TEST_F(ChartPrintTest, AnUnwritablePathIsReportedAndLeavesNothing) {
    computeChart(CivilDate{2024, 2, 20}, 3);
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& path : {dir.filePath(QStringLiteral("missing/chart.txt")),
                                dir.filePath(QStringLiteral("plain/chart.txt")), dir.path()}) {
        ShownErrors errors;
        EXPECT_FALSE(saveChartText(
            state->chart, *state, [&] { return path; }, errors.sink(), nullptr));
        EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot create file"});
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("plain")});
    EXPECT_EQ(QFileInfo(plain.fileName()).size(), 0);
}

TEST_F(ChartPrintTest, AWriteCutShortIsReportedAndLeavesNoPartFileNorHarmsTheOldOne) {
    computeChart(CivilDate{2024, 2, 20}, 60);
    const QString path = dir.filePath(QStringLiteral("chart.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier chart\r\n");
    }
    // Files may grow to 512 bytes only: the chart's text is several kilobytes.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ShownErrors errors;
    const bool written = saveChartText(
        state->chart, *state, [&] { return path; }, errors.sink(), nullptr);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot create file"});
    EXPECT_EQ(readFile(path), QByteArray("earlier chart\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("chart.txt")});
}

} // namespace
} // namespace skyledger
