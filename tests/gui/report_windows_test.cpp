// The Moon calendar and the altitude/azimuth table: their windows driven
// through the session as the main window drives them, read back as pixels,
// and their printed pages read back from PDF files.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "almanac/almanac_session.h"
#include "almanac/report_text.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "app/scripted_run.h"
#include "gui/layout_metrics.h"
#include "reports/calendar_print.h"
#include "reports/calendar_window.h"
#include "reports/track_print.h"
#include "reports/track_window.h"
#include "tests/almanac_fixtures.h"

namespace skyledger {
namespace {

const QRgb LIGHT_GREY = qRgb(192, 192, 192);
const QRgb GREY = qRgb(128, 128, 128);
const Location GREENWICH{"Greenwich", 51.48, 0.0, 1.0, 0.0};

const LayoutMetrics& metrics() {
    static const LayoutMetrics m = measureLayoutMetrics();
    return m;
}

QImage shot(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The darkest channel value in the box (right and bottom exclusive): 0 for
// black text, about 128 for grey text, 192 for an empty cell.
int darkest(const QImage& image, int left, int top, int right, int bottom) {
    int low = 255;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const QRgb p = image.pixel(x, y);
            low = std::min({low, qRed(p), qGreen(p), qBlue(p)});
        }
    return low;
}

bool allPixels(const QImage& image, const PixelBox& box, QRgb colour) {
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (image.pixel(x, y) != colour) return false;
    return true;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

QString pdfText(const QString& file, const QString& mode) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {mode, file, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

struct Word {
    double xMin;
    double xMax;
    double yMin;
    QString text;
};

// Every word of the PDF with its box in points, in reading order.
std::vector<Word> pdfWords(const QString& file) {
    static const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" [^>]*>([^<]*)</word>)re"));
    std::vector<Word> words;
    auto it = word.globalMatch(pdfText(file, QStringLiteral("-bbox")));
    while (it.hasNext()) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(3).toDouble(),
                         m.captured(2).toDouble(), m.captured(4)});
    }
    return words;
}

int pdfPageCount(const QString& file) {
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {file});
    run.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))"))
                       .match(QString::fromUtf8(run.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class ReportWindows : public ::testing::Test {
  protected:
    AppState state = stateAt(GREENWICH, {2002, 4, 2}, TimeBasis::Standard);
    AlmanacSession session{state};
    RecordingView recorded;
    AlmanacSession::Subscription heard = session.subscribe(recorded);
    QTemporaryDir dir;

    // A shown calendar window whose paints from now on `counter` counts.
    MoonCalendarWindow* openCalendarCounting(PaintCounter& counter) {
        auto* window = new MoonCalendarWindow(metrics(), session);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        window->installEventFilter(&counter);
        QCoreApplication::processEvents();
        counter.paints = 0;
        return window;
    }

    QString printed(const char* name, const PageRoutine& pages) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(printReportToPdf(file, pages).ok());
        return file;
    }
};

// ---- Moon calendar ----

TEST_F(ReportWindows, CalendarMonthsFillSixRowsOrFourWithTwoGreyRows) {
    session.setDate({2003, 3, 10}); // a Saturday the 1st, 31 days
    MoonCalendarWindow window(metrics(), session);
    EXPECT_EQ(window.height(),
              2 * metrics().gap + metrics().buttonHeight + 600); // the client area
    EXPECT_EQ(window.width(), 700);
    const auto hasDisc = [&](const QImage& image, int row, int column) {
        // Between the centred percentage and the bottom of the disc.
        const PixelBox in = window.innerBox(row, column);
        const QRgb p = image.pixel((in.left + in.right) / 2, in.top + (in.bottom - in.top) * 3 / 4);
        return p == qRgb(255, 255, 255) || p == qRgb(0, 0, 0);
    };
    QImage image = shot(window);
    EXPECT_FALSE(hasDisc(image, 0, 5));
    EXPECT_TRUE(hasDisc(image, 0, 6));
    EXPECT_TRUE(hasDisc(image, 5, 1)); // the 31st
    EXPECT_TRUE(allPixels(image, window.innerBox(5, 2), GREY));
    // The light strip along each cell's top and left edges.
    const PixelBox cell = window.cellBox(2, 3);
    EXPECT_EQ(image.pixel(cell.left, cell.top + 10), LIGHT_GREY);
    EXPECT_EQ(image.pixel(cell.left + 10, cell.top), LIGHT_GREY);
    EXPECT_EQ(window.cellBox(0, 6).right, window.cellBox(5, 6).right);

    session.setDate({2009, 2, 1}); // a common February that begins on a Sunday
    image = shot(window);
    for (int column = 0; column < 7; ++column) {
        EXPECT_TRUE(hasDisc(image, 0, column));
        EXPECT_TRUE(hasDisc(image, 3, column));
        EXPECT_TRUE(allPixels(image, window.innerBox(4, column), GREY)) << column;
        EXPECT_TRUE(allPixels(image, window.innerBox(5, column), GREY)) << column;
    }
}

TEST_F(ReportWindows, CalendarFollowsOnlyTheMonthAndYear) {
    PaintCounter counter;
    auto* window = openCalendarCounting(counter);
    recorded.clear();
    const MoonCalendarGrid before = state.calendar;

    session.setDay(20);
    session.setCurrentLocation(0);
    session.setTwelveHourClock(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(std::count(recorded.calls.begin(), recorded.calls.end(), "calendar"), 0);
    EXPECT_EQ(state.calendar.phaseAngle, before.phaseAngle);

    session.setMonth(5);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(state.calendar.month, 5);
    EXPECT_NE(state.calendar.phaseAngle, before.phaseAngle);

    // Print leaves the calendar open, the page going where the job sends it.
    int pagesPrinted = 0;
    window->setPrintJob([&](QWidget*, const PageRoutine& pages) {
        if (printReportToPdf(dir.filePath(QStringLiteral("c.pdf")), pages).ok()) ++pagesPrinted;
    });
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    EXPECT_EQ(pagesPrinted, 1);
    EXPECT_TRUE(window->isVisible());

    QPointer<MoonCalendarWindow> closed(window);
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    // Its subscription ended with it: the month is no longer followed.
    recorded.clear();
    session.setMonth(7);
    EXPECT_EQ(recorded.calls, std::vector<std::string>{"day"});
}

TEST_F(ReportWindows, CalendarFollowsAChangeOfPlaceAndTheFirstPlaceMade) {
    const Location sydney{"Sydney", -33.87, -151.21, 12.9, -10.0};
    state.locations.records.push_back(sydney);
    PaintCounter counter;
    auto* window = openCalendarCounting(counter);

    session.setCurrentLocation(1); // south: the pictures turn round
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    const AlmanacResult<MoonCalendarGrid> south =
        computeMoonCalendar(2002, 4, sydney, state.preferences);
    ASSERT_TRUE(south.ok());
    EXPECT_EQ(state.calendar.phaseAngle, south.value().phaseAngle);

    // Without places the days stand alone, until the first place is made.
    session.editLocations().records.clear();
    session.locationsEdited();
    EXPECT_FALSE(state.calendar.phasesValid);
    counter.paints = 0;
    session.editLocations().records = {GREENWICH};
    session.editLocations().current = 0;
    session.locationsEdited();
    QCoreApplication::processEvents();
    EXPECT_TRUE(state.calendar.phasesValid);
    EXPECT_GT(counter.paints, 0);
    delete window;
}

TEST_F(ReportWindows, CalendarPrintsOnePageOfThreeQuarterInchCells) {
    session.setDate({2003, 3, 10});
    AlmanacView calendarWindow;
    const AlmanacSession::Subscription open = session.subscribe(calendarWindow, Follows::Calendar);
    const QString file = printed("calendar.pdf", [&](QPrinter& printer, QPainter& painter) {
        printCalendarPages(printer, painter, state);
    });
    EXPECT_EQ(pdfPageCount(file), 1);
    const QString text = pdfText(file, QStringLiteral("-layout"));
    EXPECT_TRUE(text.contains(QStringLiteral("Moon Phase Calendar -- Mar-03")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Greenwich (51.48\u00B0N, 0.00\u00B0W), ST, True bearings")));

    // The weekday headings are centred over their columns and the day numbers
    // sit at their cells' top-left corners: columns and rows 54 points apart.
    std::vector<double> headingCentres;
    std::map<int, Word> day;
    for (const Word& w : pdfWords(file)) {
        if (headingCentres.size() < 7 && w.text.size() == 1 && w.text[0].isUpper() && w.yMin > 60)
            headingCentres.push_back((w.xMin + w.xMax) / 2);
        bool isNumber = false;
        const int n = w.text.toInt(&isNumber);
        if (isNumber && !day.count(n)) day[n] = w;
    }
    ASSERT_EQ(headingCentres.size(), 7u);
    for (size_t k = 1; k < 7; ++k)
        EXPECT_NEAR(headingCentres[k] - headingCentres[k - 1], 54.0, 0.6);
    ASSERT_TRUE(day.count(1) && day.count(2) && day.count(3) && day.count(31));
    // Saturday the 1st ends the first week; Sunday the 2nd begins the second.
    EXPECT_NEAR(day[1].xMin - day[2].xMin, 6 * 54.0, 0.6);
    EXPECT_NEAR(day[3].xMin - day[2].xMin, 54.0, 0.6);
    EXPECT_NEAR(day[2].yMin - day[1].yMin, 54.0, 0.6);
    EXPECT_NEAR(day[31].yMin - day[1].yMin, 5 * 54.0, 0.6); // the sixth week
}

// ---- Alt/Az table ----

TEST_F(ReportWindows, TrackOpensAtNoonAndPagesByOneLessThanItShows) {
    TrackWindow window(metrics(), session);
    window.show();
    const LayoutMetrics& m = metrics();
    const int lines = (400 - 3 * m.gap - m.buttonHeight) / m.lineHeight - 2;
    EXPECT_EQ(window.visibleLines(), lines);
    EXPECT_EQ(window.height(), 400);
    EXPECT_EQ(window.width(), window.layout().tableRight + m.scrollBarWidth);
    EXPECT_EQ(window.topSample(), 48);
    EXPECT_EQ(trackTimeText(window.topSample(), false), "12:00");

    const int end = 96 - lines;
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&window, Qt::Key_PageDown);
        seen.push_back(window.topSample());
    }
    EXPECT_EQ(seen, (std::vector<int>{std::min(48 + lines - 1, end),
                                      std::min(48 + 2 * (lines - 1), end), end}));
    if (lines == 19) {
        EXPECT_EQ(seen, (std::vector<int>{66, 77, 77}));
    }
    EXPECT_EQ(window.scrollBar()->value(), end);
    QTest::keyClick(&window, Qt::Key_Up);
    EXPECT_EQ(window.topSample(), end - 1);
    QTest::keyClick(&window, Qt::Key_Home);
    QTest::keyClick(&window, Qt::Key_PageUp);
    EXPECT_EQ(window.topSample(), 0);
    window.scrollBar()->setSliderPosition(30); // dragging the thumb
    EXPECT_EQ(window.topSample(), 30);
    QWheelEvent wheel(QPointF(50, 100), window.mapToGlobal(QPointF(50, 100)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &wheel);
    EXPECT_GT(window.topSample(), 30);
}

TEST_F(ReportWindows, TrackCellsAreGreyAtAndBelowTheHorizonWithoutAShadow) {
    TrackWindow window(metrics(), session);
    // Lines 0..3 of the view: above, at, just above and just below the horizon.
    const double altitudes[4] = {10.0, 0.0, 0.3, -0.3};
    for (int k = 0; k < 4; ++k) {
        state.track.samples[static_cast<size_t>(48 + k)].sunAltitude = altitudes[k];
        state.track.samples[static_cast<size_t>(48 + k)].moonAltitude = -altitudes[k];
    }
    const QImage image = shot(window);
    const TrackLayout& t = window.layout();
    const int line = metrics().lineHeight;
    const auto cell = [&](int k, int left, int width) {
        const int top = window.firstDataLineTop() + k * line;
        return darkest(image, left, top + 1, left + width, top + line);
    };
    const auto isBlack = [](int low) { return low < 60; };
    const auto isGrey = [](int low) { return low >= 100 && low < 170; };
    const auto isEmpty = [](int low) { return low == 192; };
    for (int k = 0; k < 4; ++k) {
        const bool above = altitudes[k] > 0.0;
        SCOPED_TRACE(altitudes[k]);
        EXPECT_TRUE(isBlack(cell(k, t.time, t.timeWidth)));
        EXPECT_TRUE(above ? isBlack(cell(k, t.sunAlt, t.altWidth))
                          : isGrey(cell(k, t.sunAlt, t.altWidth)));
        EXPECT_TRUE(above ? isBlack(cell(k, t.sunAz, t.azWidth))
                          : isGrey(cell(k, t.sunAz, t.azWidth)));
        EXPECT_TRUE(-altitudes[k] > 0.0 ? isBlack(cell(k, t.moonAlt, t.altWidth))
                                        : isGrey(cell(k, t.moonAlt, t.altWidth)));
    }
    EXPECT_TRUE(isBlack(cell(0, t.sunShad, t.shadWidth)));
    for (int k = 1; k < 4; ++k)
        EXPECT_TRUE(isEmpty(cell(k, t.sunShad, t.shadWidth))) << k;
}

TEST_F(ReportWindows, TrackKeepsItsScrollPositionWhenTheDayIsRecomputed) {
    TrackWindow window(metrics(), session);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&window, Qt::Key_Down);
    const double noonAltitude = state.track.samples[48].sunAltitude;
    recorded.clear();
    session.setDate({2002, 12, 21});
    EXPECT_EQ(std::count(recorded.calls.begin(), recorded.calls.end(), "track"), 1);
    EXPECT_LT(state.track.samples[48].sunAltitude, noonAltitude - 20); // winter
    EXPECT_EQ(window.topSample(), 51);
    EXPECT_EQ(window.scrollBar()->value(), 51);
}

TEST_F(ReportWindows, TrackPrintsTheMorningLeftAndTheAfternoonRightThenCloses) {
    auto* window = new TrackWindow(metrics(), session);
    state.track.samples[5].sunAltitude = -0.3;
    QString file;
    window->setPrintJob(
        [&](QWidget*, const PageRoutine& pages) { file = printed("track.pdf", pages); });
    QPointer<TrackWindow> open(window);
    window->show();
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    recorded.clear();
    session.setDay(3);
    EXPECT_EQ(recorded.calls, std::vector<std::string>{"day"}); // the track no longer followed
    ASSERT_FALSE(file.isEmpty());

    EXPECT_EQ(pdfPageCount(file), 1);
    const QString text = pdfText(file, QStringLiteral("-layout"));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Sun/Moon Altitude/Azimuth Information -- 02-Apr-02")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    int pairs = 0;
    for (int i = 0; i < 48; ++i) {
        const QString morning = QString::fromStdString(trackTimeText(i, false));
        const QString afternoon = QString::fromStdString(trackTimeText(i + 48, false));
        for (const QString& l : lines) {
            const int at = l.indexOf(morning);
            if (at >= 0 && l.indexOf(afternoon) > at) {
                ++pairs;
                if (i == 5) {
                    EXPECT_TRUE(l.contains(QStringLiteral("-00\u00B0"))) << l.toStdString();
                }
                break;
            }
        }
    }
    EXPECT_EQ(pairs, 48);
    EXPECT_EQ(text.count(QStringLiteral("Shad")), 2);
}

TEST_F(ReportWindows, TheTwelveHourClockWidensTheTimeColumnOnScreenAndOnPaper) {
    TrackWindow window(metrics(), session);
    const TrackLayout narrow = window.layout();
    const int narrowWidth = window.width();
    const auto firstAlt = [&](const char* name) {
        const QString file = printed(name, [&](QPrinter& printer, QPainter& painter) {
            printTrackPages(printer, painter, state);
        });
        for (const Word& w : pdfWords(file))
            if (w.text == QStringLiteral("Alt")) return w.xMin;
        return -1.0;
    };
    const double narrowAlt = firstAlt("24.pdf");

    session.setTwelveHourClock(true);
    const int am = metrics().textWidth("AM");
    EXPECT_EQ(window.layout().timeWidth, narrow.timeWidth + am);
    EXPECT_EQ(window.layout().tableRight, narrow.tableRight + am);
    EXPECT_EQ(window.width(), narrowWidth + am);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const PrintFonts fonts = makePrintFonts(printer);
    const double amPoints = textWidth(fonts.body, "AM", &printer) * 72.0 / printer.resolution();
    EXPECT_NEAR(firstAlt("12.pdf") - narrowAlt, amPoints, 0.5);
}

// ---- From the main window and the command line ----

TEST_F(ReportWindows, TheFileMenuOpensOneOfEachAndTheMainWindowTakesThemAlong) {
    auto main = std::make_unique<MainWindow>(session, metrics(),
                                             [](QWidget*, const QString&, const QString&) {});
    QAction* calendarItem = main->menuAction(QStringLiteral("Moon Calendar..."));
    QAction* trackItem = main->menuAction(QStringLiteral("Alt/Az Table..."));
    ASSERT_TRUE(calendarItem && trackItem);
    ASSERT_TRUE(calendarItem->isEnabled() && trackItem->isEnabled());

    calendarItem->trigger();
    QPointer<MoonCalendarWindow> first = main->reportWindow<MoonCalendarWindow>();
    calendarItem->trigger();
    QPointer<MoonCalendarWindow> second = main->reportWindow<MoonCalendarWindow>();
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(main->findChildren<MoonCalendarWindow*>().size(), 1);

    trackItem->trigger();
    trackItem->trigger();
    QPointer<TrackWindow> track = main->reportWindow<TrackWindow>();
    ASSERT_FALSE(track.isNull());
    EXPECT_EQ(main->findChildren<TrackWindow*>().size(), 1);
    // The old windows' ends did not stop what the new ones follow.
    recorded.clear();
    session.setMonth(9);
    EXPECT_EQ(recorded.calls, (std::vector<std::string>{"day", "track", "calendar"}));

    main.reset();
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(track.isNull());
    recorded.clear();
    session.setMonth(10);
    EXPECT_EQ(recorded.calls, std::vector<std::string>{"day"});
}

TEST_F(ReportWindows, TheCommandLinePrintsBothReportsForTheDateAndPlaceGiven) {
    state.locations.records.push_back({"Sydney", -33.87, -151.21, 12.9, -10.0});
    for (const char* kind : {"calendar", "track"}) {
        const QString file = dir.filePath(QString::fromLatin1(kind) + QStringLiteral(".pdf"));
        const Result<ProgramOptions, QString> parsed = parseProgramOptions(
            {QStringLiteral("--pdf"), QString::fromLatin1(kind), file, QStringLiteral("--date"),
             QStringLiteral("2003-03-09"), QStringLiteral("--location"), QStringLiteral("sydney")});
        ASSERT_TRUE(parsed.ok()) << parsed.error().toStdString();
        const ProgramOptions& options = parsed.value();
        ASSERT_TRUE(applyStartOptions(state, options).ok());
        MainWindow main(session, metrics(), [](QWidget*, const QString&, const QString&) {});
        const std::optional<ScriptedEnd> end = runProgramOptions(main, options);
        ASSERT_TRUE(end.has_value());
        EXPECT_EQ(end->status, 0);
        const QString text = pdfText(file, QStringLiteral("-layout"));
        EXPECT_TRUE(text.contains(QStringLiteral("Sydney (33.87\u00B0S, 151.21\u00B0E)")));
        EXPECT_TRUE(text.contains(QStringLiteral("-- Mar-03")) ||
                    text.contains(QStringLiteral("-- 09-Mar-03")))
            << kind;
        recorded.clear();
        session.setDay(10);
        EXPECT_EQ(recorded.calls, std::vector<std::string>{"day"}); // nothing keeps computing
    }
}

} // namespace
} // namespace skyledger
