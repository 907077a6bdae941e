// The chart window: its size, scrolling and what it paints, read back from
// an image of the window.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "almanac/almanac_session.h"
#include "chart_test_support.h"
#include "reports/chart_window.h"

namespace skyledger {
namespace {

const QRgb GROUND = qRgb(192, 192, 192);
const QRgb GRID = qRgb(128, 128, 128);

class ChartWindowTest : public ::testing::Test {
  protected:
    std::unique_ptr<AppState> state = greenwichState();
    AlmanacSession session{*state};
    const LayoutMetrics& m = testMetrics();

    QImage paint(ChartWindow& window) {
        QImage image(window.size(), QImage::Format_RGB32);
        window.render(&image);
        return image;
    }

    // Pixels in the box that are neither the ground nor the grid: ink.
    static int inkIn(const QImage& image, const QRect& box) {
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (image.pixel(x, y) != GROUND && image.pixel(x, y) != GRID) ++ink;
        return ink;
    }

    // The inside of one cell of visible line k, clear of the rules.
    QRect cell(const ChartWindow& w, int left, int width, int k) const {
        const int top = w.tableTop() + (k + 1) * m.lineHeight;
        return QRect(left, top + 1, width, m.lineHeight - 1);
    }
};

TEST_F(ChartWindowTest, AScrollBarOnlyAboveTwentyOneRowsAndTheWindowWiderByIt) {
    fillMadeUpChart(*state, 21);
    ChartWindow fits(m, session);
    EXPECT_EQ(fits.scrollBar(), nullptr);
    EXPECT_EQ(fits.visibleRows(), 21);
    EXPECT_EQ(fits.width(), fits.chartLayout().tableRight);
    EXPECT_EQ(fits.height(), 3 * m.gap + 22 * m.lineHeight + m.buttonHeight);

    fillMadeUpChart(*state, 22);
    ChartWindow scrolls(m, session);
    ASSERT_NE(scrolls.scrollBar(), nullptr);
    EXPECT_EQ(scrolls.scrollBar()->minimum(), 0);
    EXPECT_EQ(scrolls.scrollBar()->maximum(), 1);
    EXPECT_EQ(scrolls.visibleRows(), 21);
    EXPECT_EQ(scrolls.width(), fits.width() + m.scrollBarWidth);
    EXPECT_EQ(scrolls.height(), fits.height());
    EXPECT_EQ(scrolls.scrollBar()->geometry().left(), fits.width());

    fillMadeUpChart(*state, 3);
    ChartWindow few(m, session);
    EXPECT_EQ(few.visibleRows(), 3);
    EXPECT_EQ(few.height(), 3 * m.gap + 4 * m.lineHeight + m.buttonHeight);
}

TEST_F(ChartWindowTest, ScrollsByLinePageAndWheelWithinTheRows) {
    fillMadeUpChart(*state, 30);
    auto* w = new ChartWindow(m, session);
    w->show();
    const int lastTop = 30 - 21;
    const QRect firstDate = cell(*w, w->chartLayout().dateX, w->chartLayout().dateWidth, 0);
    const QImage atStart = paint(*w).copy(firstDate);

    for (const int expected : {7, 9, 9}) {
        QTest::keyClick(w, Qt::Key_PageDown);
        EXPECT_EQ(w->topRow(), expected);
    }
    EXPECT_EQ(w->scrollBar()->value(), lastTop);
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(w->topRow(), lastTop);
    QTest::keyClick(w, Qt::Key_Up);
    EXPECT_EQ(w->topRow(), 8);
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(w->topRow(), 1);
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(w->topRow(), 0);

    // One notch towards the user shows one later row, over the table and
    // over the scroll bar alike.
    const QPoint inside(10, w->height() / 2);
    QWheelEvent down(inside, w->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &down);
    EXPECT_EQ(w->topRow(), 1);
    QApplication::sendEvent(w->scrollBar(), &down);
    EXPECT_EQ(w->topRow(), 2);
    // The first line now shows the third day.
    EXPECT_NE(paint(*w).copy(firstDate), atStart);

    w->scrollBar()->setValue(5); // the thumb let go at row 5
    EXPECT_EQ(w->topRow(), 5);

    // A new chart's window starts at its first row.
    delete w;
    fillMadeUpChart(*state, 12);
    auto* fresh = new ChartWindow(m, session);
    EXPECT_EQ(fresh->topRow(), 0);
    EXPECT_EQ(fresh->scrollBar(), nullptr);
    EXPECT_EQ(paint(*fresh).copy(firstDate), atStart);
    delete fresh;
}

TEST_F(ChartWindowTest, AMissingEventLeavesItsTwoCellsEmptyAndTheRestDrawn) {
    fillMadeUpChart(*state, 3);
    DayNumbers& row = state->chart.rows[1].numbers;
    row.moonrise = std::nullopt;
    ChartWindow w(m, session);
    const QImage image = paint(w);
    const ChartLayout& c = w.chartLayout();
    EXPECT_EQ(inkIn(image, cell(w, c.timeX[CHART_MOONRISE], c.timeWidth, 1)), 0);
    EXPECT_EQ(inkIn(image, cell(w, c.bearingX[CHART_MOONRISE], c.bearingWidth, 1)), 0);
    EXPECT_GT(inkIn(image, cell(w, c.timeX[CHART_MOONRISE], c.timeWidth, 0)), 0);
    EXPECT_GT(inkIn(image, cell(w, c.bearingX[CHART_MOONRISE], c.bearingWidth, 0)), 0);
    EXPECT_GT(inkIn(image, cell(w, c.timeX[CHART_MOONSET], c.timeWidth, 1)), 0);
    EXPECT_GT(inkIn(image, cell(w, c.illumX, c.illumWidth, 1)), 0);
    EXPECT_GT(inkIn(image, cell(w, c.discX, m.lineHeight, 1)), 0);
}

TEST_F(ChartWindowTest, GreyRulesUnderEveryLineAndBeforeEachEventButNotInTheHeader) {
    fillMadeUpChart(*state, 4);
    ChartWindow w(m, session);
    const QImage image = paint(w);
    const ChartLayout& c = w.chartLayout();
    const int y0 = w.tableTop();
    const int l = m.lineHeight;
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(image.pixel(m.gap, y0 + i * l), GRID) << i;
        EXPECT_EQ(image.pixel(c.tableRight - m.gap - 1, y0 + i * l), GRID) << i;
        EXPECT_EQ(image.pixel(c.tableRight - m.gap, y0 + i * l), GROUND) << i;
    }
    EXPECT_NE(image.pixel(m.gap, y0), GRID);           // no line over the header
    EXPECT_EQ(image.pixel(m.gap - 1, y0 + l), GROUND); // nothing at the outer edge
    const std::array<int, 5> rules = chartRuleXs(c);
    for (const int x : rules) {
        EXPECT_EQ(image.pixel(x, y0 + l + l / 2), GRID) << x;
        EXPECT_EQ(image.pixel(x, y0 + 5 * l - 1), GRID) << x;
        EXPECT_EQ(image.pixel(x, y0 + l / 2), GROUND) << x; // header line
    }
    // None between a time and its bearing, nor between the figure and disc.
    EXPECT_EQ(image.pixel(c.bearingX[CHART_SUNRISE] - 1, y0 + l + l / 2), GROUND);
    EXPECT_EQ(image.pixel(c.discX - 1, y0 + l + l / 2), GROUND);
}

TEST_F(ChartWindowTest, TwelveHourColumnsAreWiderByAm) {
    fillMadeUpChart(*state, 2);
    ChartWindow daily(m, session);
    state->preferences.twelveHourClock = true;
    ChartWindow twelve(m, session);
    const int am = m.textWidth("AM");
    EXPECT_EQ(twelve.chartLayout().timeWidth, daily.chartLayout().timeWidth + am);
    EXPECT_EQ(twelve.width(), daily.width() + 4 * am);
}

TEST_F(ChartWindowTest, ThePercentageIsTruncated) {
    fillMadeUpChart(*state, 3);
    state->chart.rows[0].numbers.illuminationPercent = 99.0;
    state->chart.rows[1].numbers.illuminationPercent = 99.9;
    state->chart.rows[2].numbers.illuminationPercent = 100.0;
    ChartWindow w(m, session);
    const QImage image = paint(w);
    const ChartLayout& c = w.chartLayout();
    const auto figure = [&](int k) { return image.copy(cell(w, c.illumX, c.illumWidth, k)); };
    EXPECT_EQ(figure(1), figure(0));
    EXPECT_NE(figure(2), figure(0));
}

TEST_F(ChartWindowTest, KeepsItsRowsWhenALaterRequestFails) {
    ASSERT_TRUE(session.prepareChart(CivilDate{2024, 3, 1}, 30));
    ChartWindow w(m, session);
    w.scrollBar()->setValue(9);
    const QImage before = paint(w);
    session.editLocations() = LocationList{}; // no places: the next request fails
    EXPECT_FALSE(session.prepareChart(CivilDate{2024, 3, 1}, 30));
    EXPECT_EQ(state->chart.rowCount(), 0);
    EXPECT_EQ(paint(w), before);
}

} // namespace
} // namespace skyledger
