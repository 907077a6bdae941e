// The chart's text export, byte for byte.
#include "almanac/chart_export.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "astro/constants.h"

namespace skyledger {
namespace {

double clock(int h, int m) {
    return (h * 60.0 + m) / 1440.0 * TWO_PI;
}

ChartRow row(int day, std::optional<double> moonset) {
    ChartRow c;
    c.date = {2002, 4, day};
    DayNumbers& r = c.numbers;
    r.sunrise = SkyEvent{.time = clock(6, 5), .bearing = 72.9};
    r.sunset = SkyEvent{.time = clock(12, 30), .bearing = 287.2};
    r.moonrise = SkyEvent{.time = clock(23, 1), .bearing = 100.0};
    if (moonset) r.moonset = SkyEvent{.time = *moonset, .bearing = 250.5};
    r.illuminationPercent = 57.9;
    return c;
}

TEST(ChartText, HeadLinesRowsTabsAndCrLf) {
    ChartTable chart;
    chart.rows = {row(1, clock(9, 15)), row(2, std::nullopt)};
    const Location place{"Greenwich", 51.4779, 0.0015, -1.2, 0.0};
    const Preferences prefs{
        .magneticBearings = true, .twelveHourClock = false, .timeBasis = TimeBasis::Standard};
    const std::string expected = "Sun/Moon Rise/Set Information\r\n"
                                 "Greenwich (51.48\xB0N, 0.00\xB0W), ST, Magnetic bearings\r\n"
                                 "Date\tSunrise\t\tSunset\t\tMoonrise\t\tMoonset\t\t%Illum\r\n"
                                 "01-Apr-02\t06:05\t072\xB0\t12:30\t287\xB0\t23:01\t100\xB0"
                                 "\t09:15\t250\xB0\t57%\r\n"
                                 "02-Apr-02\t06:05\t072\xB0\t12:30\t287\xB0\t23:01\t100\xB0"
                                 "\t\t\t57%\r\n";
    EXPECT_EQ(chartText(chart, place, prefs), expected);
}

TEST(ChartText, TwelveHourClockUniversalTimeAndTrueBearings) {
    ChartTable chart;
    chart.rows = {row(1, clock(9, 15))};
    const Location place{"Sydney", -33.87, -151.21, 12.8, -10.0};
    const Preferences prefs{
        .magneticBearings = false, .twelveHourClock = true, .timeBasis = TimeBasis::Universal};
    const std::string text = chartText(chart, place, prefs);
    EXPECT_NE(text.find("Sydney (33.87\xB0S, 151.21\xB0"
                        "E), UT, True bearings\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\t06:05AM\t072\xB0\t12:30PM\t"), std::string::npos);
    EXPECT_NE(text.find("\t11:01PM\t"), std::string::npos);
}

// A name with escaped line ends in the settings file must not add lines.
TEST(ChartText, LineEndsInTheNameShowAsSpaces) {
    ChartTable chart;
    chart.rows = {row(1, clock(9, 15))};
    const Location place{"Two\r\nLines", 51.4779, 0.0015, -1.2, 0.0};
    const std::string text = chartText(chart, place, Preferences{});
    EXPECT_NE(text.find("\r\nTwo  Lines (51.48"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

TEST(ChartText, AnEventAtTheVeryEndOfTheDayKeepsItsBearingButNoTime) {
    ChartTable chart;
    chart.rows = {row(1, TWO_PI)};
    const std::string text = chartText(chart, {"X", 0, 0, 0, 0}, {});
    EXPECT_NE(text.find("\t\t250\xB0\t57%\r\n"), std::string::npos);
}

} // namespace
} // namespace skyledger
