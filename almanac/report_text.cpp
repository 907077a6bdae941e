// Texts of the Moon calendar and the altitude/azimuth table.
#include "almanac/report_text.h"

#include <cmath>

#include "almanac/display_format.h"
#include "almanac/track.h"
#include "support/format_text.h"

namespace skyledger {

namespace {
// Pi to ten decimals: the calendar's percentages were always computed with it,
// and a full Moon at exactly pi must still show 100%.
constexpr double CALENDAR_PI = 3.1415926535;
} // namespace

int32_t calendarPercent(double phaseAngle) {
    if (!std::isfinite(phaseAngle)) return 0;
    return static_cast<int32_t>((std::cos(phaseAngle + CALENDAR_PI) + 1.0) * 50.0 + 0.5);
}

std::string calendarPercentText(double phaseAngle) {
    return formatText("%d%%", calendarPercent(phaseAngle));
}

std::string calendarDayText(int32_t dayNumber) {
    return formatText(" %d", dayNumber);
}

std::string calendarTitle(const CivilDate& date) {
    // The month and year part of the dd-Mmm-yy date: everything after "dd-".
    const std::string full = formatDate(date.day, date.month, date.year);
    return "Moon Phase Calendar -- " + full.substr(full.find('-') + 1);
}

std::string trackTitle(const CivilDate& date) {
    return "Sun/Moon Altitude/Azimuth Information -- " +
           formatDate(date.day, date.month, date.year);
}

std::string trackTimeText(int32_t sample, bool twelveHourClock) {
    return formatEventTime(sample * TRACK_SAMPLE_STEP, twelveHourClock).value_or("");
}

std::string trackTimeText(const TrackSample& sample, bool twelveHourClock) {
    std::string text = formatEventTime(sample.clockTime, twelveHourClock).value_or("");
    if (!sample.offsetNote.empty()) text += " " + sample.offsetNote;
    return text;
}

} // namespace skyledger
