// Display forms of times, bearings, coordinates and dates.
#include "almanac/display_format.h"

#include <cmath>

#include "almanac/local_time.h"
#include "support/format_text.h"

namespace skyledger {

namespace {

const char* const MONTH_ABBREVIATIONS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const MONTH_NAMES[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

// Degrees to radians with pi to ten decimals, as the shadow column was tuned.
constexpr double SHADOW_DEG_TO_RAD = 0.017453292519444445;
constexpr double LONGEST_SHADOW = 100.0;

// The reports' code and the word of each time basis.
struct TimeBasisNames {
    TimeBasis basis;
    const char* code;
    const char* name;
};
constexpr TimeBasisNames TIME_BASIS_NAMES[4] = {{TimeBasis::Standard, "ST", "standard"},
                                                {TimeBasis::Daylight, "DT", "daylight"},
                                                {TimeBasis::Universal, "UT", "universal"},
                                                {TimeBasis::Local, "LT", "local"}};

// A value outside the four (read from a file, say) counts as standard time.
const TimeBasisNames& namesOf(TimeBasis basis) {
    for (const TimeBasisNames& names : TIME_BASIS_NAMES)
        if (names.basis == basis) return names;
    return TIME_BASIS_NAMES[0];
}

std::string withHemisphere(double value, char positive, char negative) {
    std::string text = formatFixed(std::fabs(value), 2, false);
    text += DEGREE_SIGN;
    text += value >= 0.0 ? positive : negative;
    return text;
}

} // namespace

std::optional<std::string> formatEventTime(double time, bool twelveHourClock) {
    // A negative time is an event before the day began, even when the
    // half-minute rounding would bring it up to 00:00.
    if (!std::isfinite(time) || time < 0.0) return std::nullopt;
    const double x = time * HOURS_PER_RADIAN + HALF_MINUTE_IN_HOURS;
    const double wholeHours = std::floor(x);
    if (wholeHours < 0.0 || wholeHours >= 24.0) return std::nullopt;
    const int32_t hour = static_cast<int32_t>(wholeHours);
    int32_t minute = static_cast<int32_t>((x - wholeHours) * 60.0);
    if (minute > 59) minute = 59;
    if (!twelveHourClock) return formatText("%2d:%2d", hour, minute);
    const char* suffix = hour < 12 ? "AM" : "PM";
    int32_t shown = hour % 12;
    if (shown == 0) shown = 12;
    return formatText("%2d:%2d%s", shown, minute, suffix);
}

std::string formatBearing(double bearing) {
    if (!std::isfinite(bearing) || bearing < 0.0 || bearing >= 1000.0) return {};
    const int32_t n = static_cast<int32_t>(bearing);
    std::string text;
    text += static_cast<char>('0' + n / 100);
    text += static_cast<char>('0' + (n % 100) / 10);
    text += static_cast<char>('0' + n % 10);
    text += DEGREE_SIGN;
    return text;
}

std::string formatLatitude(double latitude) {
    return withHemisphere(latitude, 'N', 'S');
}

std::string formatLongitude(double longitude) {
    return withHemisphere(longitude, 'W', 'E');
}

const char* monthAbbreviation(int32_t month) {
    if (month < 1 || month > 12) return "";
    return MONTH_ABBREVIATIONS[month - 1];
}

const char* monthName(int32_t month) {
    if (month < 1 || month > 12) return "";
    return MONTH_NAMES[month - 1];
}

const char* timeBasisCode(TimeBasis basis) {
    return namesOf(basis).code;
}

const char* timeBasisName(TimeBasis basis) {
    return namesOf(basis).name;
}

std::optional<TimeBasis> timeBasisFromName(std::string_view name) {
    for (const TimeBasisNames& names : TIME_BASIS_NAMES)
        if (name == names.name) return names.basis;
    return std::nullopt;
}

std::string timeBasisLabel(const Location& location, TimeBasis basis,
                           std::optional<CivilDate> oneDay) {
    const std::optional<TimeZone> zone = basisZone(location, basis);
    if (!zone) return basis == TimeBasis::Local ? timeBasisCode(TimeBasis::Standard)
                                                : timeBasisCode(basis);
    std::string label = zone->name();
    if (oneDay) label += " " + zone->abbreviationAt(zone->instantOf(*oneDay, 12.0));
    return label;
}

std::string reportLocationLine(const Location& location, const Preferences& preferences,
                               std::optional<CivilDate> oneDay) {
    // A name may hold line ends (the settings file escapes them); a report's
    // place line must stay one line.
    std::string name = location.name;
    for (char& c : name)
        if (c == '\r' || c == '\n') c = ' ';
    return formatText("%s (%s, %s), %s, %s bearings", name, formatLatitude(location.latitude),
                      formatLongitude(location.longitude),
                      timeBasisLabel(location, preferences.timeBasis, oneDay),
                      preferences.magneticBearings ? "Magnetic" : "True");
}

std::string formatDate(int32_t day, int32_t month, int32_t year) {
    return formatText("%2d-%s-%2d", day, monthAbbreviation(month), year % 100);
}

std::string altitudeText(double altitude) {
    if (!std::isfinite(altitude)) return {};
    std::string text;
    if (altitude < 0.0) text += '-';
    const int32_t whole = static_cast<int32_t>(std::fabs(altitude) + 0.5);
    text += static_cast<char>('0' + (whole / 10) % 10);
    text += static_cast<char>('0' + whole % 10);
    text += DEGREE_SIGN;
    return text;
}

std::string shadowText(double altitude) {
    if (!(altitude > 0.0)) return {};
    const double ratio = 1.0 / std::tan(altitude * SHADOW_DEG_TO_RAD);
    if (!(ratio < LONGEST_SHADOW)) return {};
    const int32_t c = static_cast<int32_t>(ratio * 100.0 + 0.5);
    // A ratio just below 100 rounds to 100.00, which has no five-character form.
    if (c >= 10000) return {};
    const int32_t whole = c / 100;
    std::string text;
    text += whole / 10 == 0 ? ' ' : static_cast<char>('0' + whole / 10);
    text += static_cast<char>('0' + whole % 10);
    text += '.';
    text += static_cast<char>('0' + (c % 100) / 10);
    text += static_cast<char>('0' + c % 10);
    return text;
}

} // namespace skyledger
