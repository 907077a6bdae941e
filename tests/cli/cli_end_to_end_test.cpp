// End-to-end tests of skyledger-cli: the built program is run with fixed
// dates and places, and its output, files and exit status are checked.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "almanac/app_state.h"
#include "almanac/chart_export.h"
#include "settings/settings_file.h"

#include "cli_process.h"

namespace skyledger {
namespace {

namespace fs = std::filesystem;
using namespace cli_test;

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skyledger-cli-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        settings_ = (dir_ / "places.txt").string();
        fs::copy_file(SKYLEDGER_DEFAULT_SETTINGS, settings_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun run(const std::vector<std::string>& args) { return runCli(dir_, args); }

    // The shipped places, Greenwich in UT with true bearings.
    std::vector<std::string> greenwich(std::vector<std::string> rest) {
        std::vector<std::string> a = {"--settings", settings_,   "--location", "greenwich",
                                      "--basis",    "universal", "--bearings", "true",
                                      "--clock",    "24"};
        a.insert(a.end(), rest.begin(), rest.end());
        return a;
    }

    std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        std::stringstream s(text);
        for (std::string line; std::getline(s, line);)
            result.push_back(line);
        return result;
    }

    fs::path dir_;
    std::string settings_;
};

// The text that follows `key` up to the next double quote: with a key that
// ends in an opening quote, the string value; "" when the key is missing.
std::string textAfter(const std::string& json, const std::string& key) {
    const size_t at = json.find(key);
    if (at == std::string::npos) return "";
    const size_t start = at + key.size();
    return json.substr(start, json.find('"', start) - start);
}

std::string lineStarting(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) return l;
    return "";
}

TEST_F(CliTest, DayShowsTimesBearingsIlluminationAndPhase) {
    const CliRun r = run(greenwich({"day", "2026-01-01"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> l = lines(r.out);
    EXPECT_NE(l[0].find("2026-01-01  Greenwich (51.48\xC2\xB0N, 0.00\xC2\xB0W), UT, True bearings"),
              std::string::npos);
    const std::string sun = lineStarting(l, "Sun");
    EXPECT_NE(sun.find("08:06  12"), std::string::npos) << sun;
    EXPECT_NE(sun.find("16:02  23"), std::string::npos) << sun;
    const std::string moon = lineStarting(l, "Moon");
    EXPECT_NE(moon.find("13:2"), std::string::npos) << moon;
    EXPECT_NE(moon.find("06:2"), std::string::npos) << moon;
    EXPECT_NE(lineStarting(l, "Illuminated").find('%'), std::string::npos);
    EXPECT_NE(lineStarting(l, "Phase").find("waxing gibbous"), std::string::npos)
        << lineStarting(l, "Phase");
}

TEST_F(CliTest, DayShowsADashForAnEventThatDoesNotHappen) {
    const CliRun r = run(greenwich({"day", "2026-01-09"})); // no moonrise that day (UT)
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string moon = lineStarting(lines(r.out), "Moon");
    EXPECT_EQ(moon.substr(0, 17), "Moon    -      - ") << moon;
}

TEST_F(CliTest, DayJsonCarriesEachEventAsTextInstantAndBearing) {
    const CliRun r = run(greenwich({"--json", "day", "2026-01-01"}));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* field :
         {"\"version\":1", "\"command\":\"day\"", "\"date\":\"2026-01-01\"",
          "\"sunrise\":{\"time\":\"08:06\",\"instant\":\"2026-01-01T08:0",
          "\"sunset\":{\"time\":\"16:02\"", "\"bearingText\":\"12", "\"moonrise\":{\"time\":\"13:2",
          "\"illuminationPercent\":9", "\"illuminationText\":\"9", "\"moonPhaseAngle\":2.6",
          "\"phaseName\":\"waxing gibbous\"", "\"southernHemisphere\":false",
          "\"timeBasis\":\"universal\"", "\"bearingReference\":\"true\"",
          "\"twelveHourClock\":false", "\"name\":\"Greenwich\""})
        EXPECT_NE(r.out.find(field), std::string::npos) << field << "\n" << r.out;
    // The sunrise's instant, to the second, rounds to the clock text's minute.
    const std::string sunrise = textAfter(r.out, "\"sunrise\":{\"time\":\"08:06\",\"instant\":\"");
    EXPECT_TRUE(sunrise == "2026-01-01T08:05:" + sunrise.substr(17, 2) + "+00:00" ||
                sunrise == "2026-01-01T08:06:" + sunrise.substr(17, 2) + "+00:00")
        << sunrise;
    EXPECT_GE(sunrise.substr(14, 5), "05:30");
    EXPECT_LT(sunrise.substr(14, 5), "06:30");
    EXPECT_NE(r.out.find("+00:00\",\"bearing\":127."), std::string::npos);
    EXPECT_NE(r.out.find("\xC2\xB0"), std::string::npos); // the degree sign in UTF-8
    EXPECT_EQ(r.out.front(), '{');
    // A place west of Greenwich in daylight time: the instant carries its offset.
    const CliRun ny = run({"--settings", settings_, "--location", "new york", "--basis", "daylight",
                           "--json", "day", "2026-07-01"});
    ASSERT_EQ(ny.status, 0) << ny.err;
    const std::string nySunrise = textAfter(ny.out, "\"sunrise\":{\"time\":\"05:");
    EXPECT_EQ(nySunrise.size(), 2u) << ny.out; // the minute of the clock text
    const std::string nyInstant =
        textAfter(ny.out, "\"sunrise\":{\"time\":\"05:" + nySunrise + "\",\"instant\":\"");
    EXPECT_EQ(nyInstant.substr(0, 14), "2026-07-01T05:") << nyInstant;
    EXPECT_EQ(nyInstant.substr(19), "-04:00") << nyInstant;
}

TEST_F(CliTest, APlaceWithAZoneIsOnItsLocalTimeAcrossAChangeOfClocks) {
    // New York moves its clocks forward on 8 March 2026 and back on 1 November.
    const std::vector<std::string> ny = {"--settings", settings_, "--location", "new york"};
    auto with = [&](std::vector<std::string> rest) {
        rest.insert(rest.begin(), ny.begin(), ny.end());
        return rest;
    };
    const CliRun chart = run(with({"--json", "chart", "2026-03-07", "3"}));
    ASSERT_EQ(chart.status, 0) << chart.err;
    EXPECT_NE(chart.out.find("\"zone\":\"America/New_York\""), std::string::npos);
    EXPECT_NE(chart.out.find("\"timeBasis\":\"local\""), std::string::npos);
    // Sunrise an hour later on the clock once the clocks have gone forward.
    for (const auto& [date, offset, hour] :
         {std::tuple{"2026-03-07", "-05:00", "06:"}, std::tuple{"2026-03-09", "-04:00", "07:"}}) {
        const std::string time = textAfter(
            chart.out, std::string("\"date\":\"") + date + "\",\"sunrise\":{\"time\":\"");
        const std::string instant =
            textAfter(chart.out, "\"sunrise\":{\"time\":\"" + time + "\",\"instant\":\"");
        EXPECT_EQ(time.substr(0, 3), hour) << date;
        EXPECT_EQ(instant.substr(0, 10), date);
        EXPECT_EQ(instant.substr(19), offset) << instant;
    }
    EXPECT_NE(run(with({"chart", "2026-03-07", "3"})).out.find("America/New_York, "),
              std::string::npos);

    // The 25-hour day: 100 quarter hours, the repeated hour marked with its clock.
    const CliRun track = run(with({"track", "2026-11-01"}));
    ASSERT_EQ(track.status, 0) << track.err;
    const std::vector<std::string> l = lines(track.out);
    EXPECT_NE(l[0].find("America/New_York EST"), std::string::npos) << l[0];
    ASSERT_EQ(l.size(), 104u);
    EXPECT_EQ(l[8].substr(0, 9), "01:00 EDT");
    EXPECT_EQ(l[12].substr(0, 9), "01:00 EST");
    EXPECT_EQ(l[103].substr(0, 5), "23:45");

    // An ad-hoc place takes its zone from --tz, and the basis must have a zone.
    const CliRun adHoc =
        run({"--lat", "40.71", "--lon", "74.01", "--tz", "America/New_York", "day", "2026-07-01"});
    ASSERT_EQ(adHoc.status, 0) << adHoc.err;
    EXPECT_NE(adHoc.out.find("America/New_York EDT"), std::string::npos) << adHoc.out;
    EXPECT_EQ(run({"--lat", "1", "--lon", "2", "--tz", "Mars/Olympus_Mons", "day"}).status, 2);
    EXPECT_EQ(run({"--lat", "1", "--lon", "2", "--zone", "0", "--basis", "local", "day"}).status,
              2);
}

TEST_F(CliTest, DayJsonGivesTheReasonForAMissingEventBesideItsNull) {
    const CliRun r = run(greenwich({"--json", "day", "2026-01-09"})); // no moonrise (UT)
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"moonrise\":null,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"moonriseReason\":{\"reason\":\"noneOnDate\",\"text\":\"No moonrise "
                         "on this date; the next is on Sat 10 Jan at 00:02\",\"next\":\"2026-01-"
                         "10T00:01:"),
              std::string::npos)
        << r.out;
    // Only a missing event has a reason.
    EXPECT_EQ(r.out.find("sunriseReason"), std::string::npos);
    EXPECT_EQ(r.out.find("moonsetReason"), std::string::npos);
}

TEST_F(CliTest, DetailsGiveTwilightsDayLengthPhasesAndWhatDoesNotHappen) {
    const CliRun r = run(greenwich({"details", "2026-06-21"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> l = lines(r.out);
    EXPECT_NE(l[0].find("2026-06-21  Greenwich"), std::string::npos) << l[0];
    EXPECT_EQ(lineStarting(l, "Civil dawn"), "Civil dawn           02:55");
    EXPECT_EQ(lineStarting(l, "Astronomical dusk"),
              "Astronomical dusk    does not happen (Sun above -18\xC2\xB0)");
    EXPECT_EQ(lineStarting(l, "Day length"),
              "Day length           16 h 38 min (+2 s)");
    EXPECT_EQ(lineStarting(l, "Full Moon"), "Full Moon            Mon 29 Jun at 23:56");
    EXPECT_EQ(lineStarting(l, "Morning golden hour"), "Morning golden hour  03:15 to 04:37");

    const CliRun j = run(greenwich({"--json", "details", "2026-06-21"}));
    ASSERT_EQ(j.status, 0) << j.err;
    for (const char* field :
         {"\"version\":1", "\"command\":\"details\"", "\"civilDawn\":{\"time\":\"02:55\"",
          "\"astronomicalDusk\":null,", "\"astronomicalDuskReason\":{\"reason\":\"upAllDay\"",
          "\"solarNoonAltitude\":61.9", "\"dayLengthChangeText\":\"2 s longer than the day before\"",
          "{\"phase\":\"Full Moon\",\"date\":\"2026-06-29\",\"time\":\"23:56\"",
          "\"altitudeStepMinutes\":5"})
        EXPECT_NE(j.out.find(field), std::string::npos) << field << "\n" << j.out;
    // 289 Sun altitudes, 00:00 to 24:00.
    const std::string sun = textAfter(j.out, "\"sunAltitudes\":[");
    const std::string samples = sun.substr(0, sun.find(']'));
    EXPECT_EQ(std::count(samples.begin(), samples.end(), ','), 288);
}

TEST_F(CliTest, AdHocPlaceWithHemisphereLettersEqualsSignedNumbers) {
    const CliRun letters = run({"--lat", "33.87S", "--lon", "151.21E", "--zone", "-10", "--basis",
                                "standard", "--bearings", "true", "day", "2026-03-20"});
    const CliRun numbers = run({"--lat", "-33.87", "--lon", "-151.21", "--zone", "-10", "--basis",
                                "standard", "--bearings", "true", "day", "2026-03-20"});
    ASSERT_EQ(letters.status, 0) << letters.err;
    EXPECT_EQ(letters.out, numbers.out);
    EXPECT_NE(letters.out.find("33.87\xC2\xB0S, 151.21\xC2\xB0"
                               "E"),
              std::string::npos);
}

TEST_F(CliTest, ChartFileIsTheCoreExportByteForByte) {
    const std::string file = (dir_ / "chart.txt").string();
    const CliRun r = run(greenwich({"--clock", "12", "chart", "2026-01-30", "5", "-o", file}));
    ASSERT_EQ(r.status, 0) << r.err;
    AppState s;
    const SettingsRead loaded = loadSettings(settings_);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    s.locations = loaded.list;
    s.preferences = loaded.prefs;
    ASSERT_EQ(s.locations.currentLocation()->name, "Greenwich"); // current in the shipped file
    s.preferences = {
        .magneticBearings = false, .twelveHourClock = true, .timeBasis = TimeBasis::Universal};
    AlmanacResult<ChartTable> chart =
        computeChart({2026, 1, 30}, 5, *s.locations.currentLocation(), s.preferences);
    ASSERT_TRUE(chart.ok());
    const std::string expected =
        chartText(chart.value(), *s.locations.currentLocation(), s.preferences);
    EXPECT_EQ(readAll(file), expected);
    EXPECT_NE(expected.find("31-Jan-26\t"), std::string::npos);
    EXPECT_NE(expected.find("AM\t"), std::string::npos);
}

TEST_F(CliTest, ChartOnTheTerminalIsTheSameTableInUtf8WithLineFeeds) {
    const CliRun r = run(greenwich({"chart", "2024-02-27", "4"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> l = lines(r.out);
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[0], "Sun/Moon Rise/Set Information");
    EXPECT_EQ(l[2], "Date\tSunrise\t\tSunset\t\tMoonrise\t\tMoonset\t\t%Illum");
    EXPECT_EQ(l[5].substr(0, 10), "29-Feb-24\t");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_NE(r.out.find("\xC2\xB0"), std::string::npos);
}

TEST_F(CliTest, ChartJsonWritesMissingEventsAsNull) {
    const CliRun r = run(greenwich({"--json", "chart", "2026-01-08", "3"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"moonrise\":null"), std::string::npos); // 9 January has none
    EXPECT_NE(r.out.find("\"date\":\"2026-01-10\""), std::string::npos);
}

TEST_F(CliTest, TrackListsNinetySixQuarterHours) {
    const CliRun r = run(greenwich({"track", "2026-06-21"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> l = lines(r.out);
    ASSERT_EQ(l.size(), 100u);
    EXPECT_EQ(l[4].substr(0, 5), "00:00");
    EXPECT_EQ(l[99].substr(0, 5), "23:45");
    // At noon UT the Sun stands about 62 degrees high, due south, with a short shadow.
    const std::string noon = lineStarting(l, "12:00");
    EXPECT_NE(noon.find("62\xC2\xB0"), std::string::npos) << noon;
    EXPECT_NE(noon.find(" 0.5"), std::string::npos) << noon;
    const CliRun json = run(greenwich({"--json", "track", "2026-06-21"}));
    EXPECT_NE(json.out.find("\"time\":\"23:45\""), std::string::npos);
    EXPECT_NE(json.out.find("\"sunAltitude\":"), std::string::npos);
    EXPECT_NE(json.out.find("\"moonBearing\":"), std::string::npos);
}

TEST_F(CliTest, CalendarLaysOutTheMonthInWeeksFromSunday) {
    const CliRun r = run(greenwich({"calendar", "2002-04"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> l = lines(r.out);
    EXPECT_NE(l[0].find("April 2002"), std::string::npos);
    EXPECT_EQ(l[2].substr(0, 12), "Sun      Mon");
    // 1 April 2002 was a Monday: the first week's line starts with a blank Sunday.
    EXPECT_EQ(l[3].substr(0, 11), "          1") << l[3];
    // As JSON the calendar is its days, not the grid's cells.
    const CliRun json = run(greenwich({"--json", "calendar", "2002-04"}));
    EXPECT_NE(json.out.find("\"days\":[{\"date\":\"2002-04-01\",\"weekday\":\"Mon\","),
              std::string::npos)
        << json.out.substr(0, 400);
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '{'), 1 + 2 + 30);
    EXPECT_NE(json.out.find("\"date\":\"2002-04-30\""), std::string::npos);
}

TEST_F(CliTest, LocationsMarkTheCurrentPlace) {
    const CliRun r = run({"--settings", settings_, "locations"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n* Greenwich"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Troms\xC3\xB8"), std::string::npos); // Windows-1252 name in UTF-8
}

struct BadInput {
    std::vector<std::string> args;
    const char* message;
};

TEST_F(CliTest, BadInputGivesOneLineAndStatusTwo) {
    const std::vector<BadInput> cases = {
        {{"dusk"}, "unknown command 'dusk'"},
        {{"--colour", "day"}, "unknown option '--colour'"},
        {{"day", "2026-02-30"}, "not a date of the calendar"},
        {{"day", "26-1-1"}, "YYYY-MM-DD"},
        {{"day", "1850-06-01"}, "outside 1900 to 2100"},
        {{"calendar", "2101-01"}, "outside 1900 to 2100"},
        {{"--location", "Atlantis", "day"}, "no place named 'Atlantis'"},
        {{"--lat", "95", "--lon", "0", "--zone", "0", "day"}, "--lat 95 is outside -90 to 90"},
        {{"--lat", "10", "--lon", "0", "day"}, "needs --lat, --lon and --zone"},
        // Typed at a shell: a plain decimal, not what the settings file takes.
        {{"--lat", "4,5", "--lon", "0", "--zone", "0", "day"}, "--lat needs a latitude"},
        {{"--lat", "50%", "--lon", "0", "--zone", "0", "day"}, "--lat needs a latitude"},
        {{"--lat", "10", "--lon", "0,5W", "--zone", "0", "day"}, "--lon needs a longitude"},
        {{"--lat", "10", "--lon", "0", "--zone", "1e1", "day"}, "--zone needs a number"},
        {{"day", "--location"}, "'--location' needs a value"},
        {{"chart", "2026-01-01", "367"}, "DAYS must be"},
        {{"chart", "2026-01-01"}, "chart needs START and DAYS"},
        {{"chart", "2100-12-25", "10"}, "from 1 to 7 "}, // no rows past 2100
        {{"--clock", "13", "day"}, "--clock takes 12 or 24"},
        {{"-o", "x.txt", "day"}, "-o applies to chart only"},
        {{}, "no command given"},
    };
    for (const BadInput& c : cases) {
        std::vector<std::string> args = {"--settings", settings_};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST_F(CliTest, MissingSettingsFileSaysSoAndHowToPassAPlace) {
    const CliRun r = run({"--settings", (dir_ / "none.txt").string(), "day"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Missing File: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--lat"), std::string::npos) << r.err;
}

TEST_F(CliTest, UnwritableChartFileLeavesNothingBehind) {
    const fs::path target = dir_ / "no-such-dir" / "chart.txt";
    const CliRun r = run(greenwich({"chart", "2026-01-01", "3", "-o", target.string()}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot create file"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(target.string()), std::string::npos);
    EXPECT_EQ(r.err.rfind("skyledger-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err; // the reason
    EXPECT_FALSE(fs::exists(target));
    // A directory in the way: the rename fails and the temporary is removed.
    fs::create_directories(dir_ / "taken");
    const CliRun blocked =
        run(greenwich({"chart", "2026-01-01", "3", "-o", (dir_ / "taken").string()}));
    EXPECT_EQ(blocked.status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "taken.tmp"));
}

TEST_F(CliTest, HelpAndVersion) {
    CliRun r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "skyledger-cli " SKYLEDGER_PROJECT_VERSION "\n");
    r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage: skyledger-cli [OPTIONS] COMMAND"), std::string::npos);
    r = run({"chart", "--help"});
    EXPECT_NE(r.out.find("Usage: skyledger-cli [OPTIONS] chart START DAYS"), std::string::npos);
}

TEST_F(CliTest, HelpDocumentsEveryOption) {
    const std::string help = run({"--help"}).out;
    for (const char* option : {"--location", "--lat", "--lon", "--zone", "--tz", "--declination", "--basis",
                               "--clock", "--bearings", "--settings", "-o,", "--output", "--json",
                               "-h,", "--help", "--version", "\n  --  "})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST_F(CliTest, AFailedWriteToStandardOutputIsAFailure) {
    const int raw = std::system((shellQuoted(SKYLEDGER_CLI_PATH) + " --settings " +
                                 shellQuoted(std::string(settings_)) + " day >/dev/full 2>" +
                                 shellQuoted((dir_ / "err").string()))
                                    .c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    const std::string err = readAll(dir_ / "err");
    EXPECT_EQ(err, "skyledger-cli: cannot write to standard output: No space left on device\n");
}

TEST_F(CliTest, DoubleDashEndsTheOptionsAndADashOutputIsStandardOutput) {
    const CliRun r = run({"--settings", settings_, "--", "--json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown command '--json'"), std::string::npos) << r.err;
    const std::string file = (dir_ / "chart.txt").string();
    ASSERT_EQ(run(greenwich({"chart", "2026-03-01", "3", "-o", file})).status, 0);
    const CliRun piped = run(greenwich({"--", "chart", "2026-03-01", "3", "-o", "-"}));
    EXPECT_EQ(piped.status, 2); // after "--" the -o is an argument, not an option
    const CliRun dash = run(greenwich({"chart", "-o", "-", "2026-03-01", "3"}));
    ASSERT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.out, readAll(file)); // the export's own bytes, CR LF and Windows-1252
    EXPECT_FALSE(fs::exists("-"));
}

TEST_F(CliTest, LocationsAsJsonMarkTheCurrentPlace) {
    const CliRun r = run({"--settings", settings_, "--json", "locations"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"version\":1"), std::string::npos);
    EXPECT_NE(r.out.find("{\"name\":\"Greenwich\",\"latitude\":51.48,"), std::string::npos);
    const size_t greenwich = r.out.find("\"name\":\"Greenwich\"");
    ASSERT_NE(greenwich, std::string::npos);
    const std::string record = r.out.substr(greenwich, r.out.find('}', greenwich) - greenwich);
    EXPECT_NE(record.find("\"current\":true"), std::string::npos) << record;
    const std::vector<std::string> textLines =
        lines(run({"--settings", settings_, "locations"}).out);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '{') - 1,
              static_cast<long>(textLines.size()) - 1); // one object per place
    EXPECT_NE(r.out.find("\"name\":\"Troms\xC3\xB8\""), std::string::npos);
}

TEST(ShippedPlaces, ADozenPlacesOnSeveralContinentsWithGreenwichCurrent) {
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    LocationList list = loaded.list;
    EXPECT_GE(list.count(), 12);
    ASSERT_NE(list.currentLocation(), nullptr);
    EXPECT_EQ(list.currentLocation()->name, "Greenwich");
    int south = 0;
    int east = 0;
    for (const Location& l : list.records) {
        south += l.latitude < 0.0;
        east += l.longitude < 0.0;
        EXPECT_GT(l.timeZone, -24.0);
        EXPECT_LT(l.timeZone, 24.0);
    }
    EXPECT_GE(south, 3);
    EXPECT_GE(east, 3);
    // The build places a copy beside the program.
    const fs::path besideProgram =
        fs::path(SKYLEDGER_CLI_PATH).parent_path() / "Skyledger Settings.txt";
    EXPECT_TRUE(fs::exists(besideProgram));
}

} // namespace
} // namespace skyledger
