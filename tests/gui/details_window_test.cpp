// The Day Details window: it follows the main window's date and place, marks
// the current time only on today's date, prints one page, and the main
// window's empty fields say why they are empty.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "almanac/almanac_session.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "astro/constants.h"
#include "gui/layout_metrics.h"
#include "reports/details_window.h"
#include "tests/almanac_fixtures.h"

namespace skyledger {
namespace {

const Location GREENWICH{"Greenwich", 51.48, 0.0, 1.0, 0.0};
const QRgb NOW_RED = qRgb(220, 0, 0);

const LayoutMetrics& metrics() {
    static const LayoutMetrics m = measureLayoutMetrics();
    return m;
}

QImage shot(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString pdfText(const QString& file) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The graph's pixel column at a clock time (hours), a little below its top.
QPoint graphPoint(const DetailsLayout& l, double hours) {
    return {l.graph.left() + static_cast<int>(hours / 24.0 * l.graph.width()),
            l.graph.top() + l.graph.height() / 8};
}

class DetailsWindowTest : public ::testing::Test {
  protected:
    AppState state = stateAt(GREENWICH, {2026, 6, 21}, TimeBasis::Universal);
    AlmanacSession session{state};
    QTemporaryDir dir;

    DetailsWindowTest() { session.recompute(); }
};

TEST_F(DetailsWindowTest, FollowsTheDateAndPlaceAndMarksTheCurrentTimeOnlyOnToday) {
    DetailsWindow window(metrics(), session);
    // Ten past one in the morning, UT, on the shown date.
    window.setClock([] { return QDateTime(QDate(2026, 6, 21), QTime(1, 10), Qt::UTC); });
    const DetailsLayout& l = window.layout();
    // At midsummer the sky at one o'clock is in nautical twilight; the line
    // at the current time stands there.
    QImage june = shot(window);
    EXPECT_EQ(june.pixel(graphPoint(l, 0.5)), skyBandColour(-15.0).rgb());
    EXPECT_EQ(june.pixel(graphPoint(l, 1.0 + 10.0 / 60.0)), NOW_RED);

    // Midwinter: night at half past midnight, and the date is not today.
    session.setDate({2026, 12, 21});
    QImage december = shot(window);
    EXPECT_EQ(december.pixel(graphPoint(l, 0.5)), skyBandColour(-50.0).rgb());
    EXPECT_NE(december.pixel(graphPoint(l, 1.0 + 10.0 / 60.0)), NOW_RED);

    // Another place: at Sydney's midwinter noon (UT+10) the Sun is up at
    // 02:00 UT, while Greenwich is dark then.
    state.locations.records.push_back({"Sydney", -33.87, -151.21, 12.9, -10.0});
    session.setDate({2026, 6, 21});
    session.setCurrentLocation(1);
    EXPECT_EQ(shot(window).pixel(graphPoint(l, 2.0)), skyBandColour(30.0).rgb());
    EXPECT_EQ(window.size(), QSize(l.right + 2 * metrics().gap, l.bottom + 2 * metrics().gap));
}

TEST_F(DetailsWindowTest, PrintsOnePageWithTitlePlaceGraphAndDetailsThenCloses) {
    auto* window = new DetailsWindow(metrics(), session);
    QString file;
    window->setPrintJob([&](QWidget*, const PageRoutine& pages) {
        file = dir.filePath(QStringLiteral("details.pdf"));
        EXPECT_TRUE(printReportToPdf(file, pages).ok());
    });
    QPointer<DetailsWindow> open(window);
    window->show();
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    ASSERT_FALSE(file.isEmpty());
    const QString text = pdfText(file);
    for (const char* expected :
         {"Day Details -- 21-Jun-26", "Greenwich (51.48\u00B0N, 0.00\u00B0W), UT",
          "Astronomical dusk", "does not happen (Sun above -18\u00B0)", "Civil dawn",
          "Full Moon", "Mon 29 Jun at 23:56", "00", "24", "90\u00B0"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1); // one page
}

TEST_F(DetailsWindowTest, TheMainWindowOpensItFromTheMenuAndSaysWhyAFieldIsEmpty) {
    session.setDate({2026, 1, 9}); // no moonrise that day at Greenwich (UT)
    auto main = std::make_unique<MainWindow>(session, metrics(),
                                             [](QWidget*, const QString&, const QString&) {});
    QLabel* moonrise = main->resultField(ResultField::MoonriseTime);
    EXPECT_TRUE(moonrise->text().isEmpty());
    EXPECT_EQ(moonrise->toolTip(),
              QStringLiteral("No moonrise on this date; the next is on Sat 10 Jan at 00:02"));
    EXPECT_EQ(main->resultField(ResultField::MoonriseBearing)->toolTip(), moonrise->toolTip());
    EXPECT_TRUE(main->resultField(ResultField::SunriseTime)->toolTip().isEmpty());
    session.setDate({2026, 1, 10});
    EXPECT_TRUE(moonrise->toolTip().isEmpty());

    QAction* item = main->menuAction(QStringLiteral("Day Details..."));
    ASSERT_TRUE(item);
    item->trigger();
    QPointer<DetailsWindow> first = main->reportWindow<DetailsWindow>();
    item->trigger();
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(main->reportWindow<DetailsWindow>());
    EXPECT_TRUE(main->reportWindow<DetailsWindow>()->isVisible());
    main.reset(); // takes the window along
}

} // namespace
} // namespace skyledger
