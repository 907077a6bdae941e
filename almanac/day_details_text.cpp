// The day's details in words.
#include "almanac/day_details_text.h"

#include <cmath>

#include "almanac/display_format.h"
#include "support/format_text.h"

namespace skyledger {

namespace {

const char* const WEEKDAYS[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string clockText(double time, bool twelveHourClock) {
    return formatEventTime(time, twelveHourClock).value_or("");
}

// "; the next is on Tue 9 Mar at 00:18", or nothing when none was found.
std::string nextText(const DetailEvent& e, bool twelveHourClock) {
    if (!e.next) return {};
    return "; the next is on " + dateTimeText(e.next->date, e.next->time, twelveHourClock);
}

std::string levelText(SunLevel level) {
    return formatText("%0zf%c", SUN_LEVEL_ALTITUDES[static_cast<size_t>(level)], DEGREE_SIGN);
}

// "1 min 52 s" or "14 s": the size of a change of minutes, rounded to the
// second; empty when that is none.
std::string changeAmount(double minutes) {
    const int32_t seconds = static_cast<int32_t>(std::lround(std::fabs(minutes) * 60.0));
    if (seconds == 0) return {};
    return seconds >= 60 ? formatText("%d min %d s", seconds / 60, seconds % 60)
                         : formatText("%d s", seconds);
}

// Why an event is missing, in the few words of a details line.
std::string briefMissingText(const DetailEvent& e, bool twelve) {
    switch (e.absence) {
    case EventAbsence::UpAllDay:
        return "up all day";
    case EventAbsence::DownAllDay:
        return "down all day";
    case EventAbsence::NotOnDate:
        return e.next ? "none; next " + dateTimeText(e.next->date, e.next->time, twelve)
                      : "none on this date";
    case EventAbsence::None:
        break;
    }
    return {};
}

std::string briefCrossingText(const DetailEvent& e, SunLevel level, bool twelve) {
    switch (e.absence) {
    case EventAbsence::UpAllDay:
        return "does not happen (Sun above " + levelText(level) + ")";
    case EventAbsence::DownAllDay:
        return "does not happen (Sun below " + levelText(level) + ")";
    default:
        return briefMissingText(e, twelve);
    }
}

// The time of an event, or why there is none.
std::string eventValue(const DetailEvent& e, bool twelve) {
    return e.happens() ? clockText(*e.time, twelve) : briefMissingText(e, twelve);
}

std::string crossingValue(const DetailEvent& e, SunLevel level, bool twelve) {
    return e.happens() ? clockText(*e.time, twelve) : briefCrossingText(e, level, twelve);
}

// A span of the Sun between two levels: "05:32 to 05:41", "from 05:32",
// "until 01:20", or why it does not happen.
std::string spanValue(const DetailEvent& from, SunLevel fromLevel, const DetailEvent& to,
                      SunLevel toLevel, bool twelve) {
    if (from.happens() && to.happens())
        return clockText(*from.time, twelve) + " to " + clockText(*to.time, twelve);
    if (from.happens()) return "from " + clockText(*from.time, twelve);
    if (to.happens()) return "until " + clockText(*to.time, twelve);
    // Both ends missing: the Sun keeps to one side of the span all day.
    return from.absence == EventAbsence::DownAllDay ? briefCrossingText(from, fromLevel, twelve)
                                                    : briefCrossingText(to, toLevel, twelve);
}

std::string transitValue(const DetailEvent& e, double altitude, bool twelve) {
    if (!e.happens()) return briefMissingText(e, twelve);
    return clockText(*e.time, twelve) + formatText(", altitude %1f%c", altitude, DEGREE_SIGN);
}

} // namespace

std::string detailsTitle(const CivilDate& date) {
    return "Day Details -- " + formatDate(date.day, date.month, date.year);
}

const char* absenceCode(EventAbsence absence) {
    switch (absence) {
    case EventAbsence::UpAllDay:
        return "upAllDay";
    case EventAbsence::DownAllDay:
        return "downAllDay";
    case EventAbsence::NotOnDate:
        return "noneOnDate";
    case EventAbsence::None:
        break;
    }
    return "";
}

std::string missingEventText(const DetailEvent& e, const char* body, const char* eventName,
                             bool twelveHourClock) {
    switch (e.absence) {
    case EventAbsence::UpAllDay:
        return std::string("The ") + body + " is up all day";
    case EventAbsence::DownAllDay:
        return std::string("The ") + body + " is down all day";
    case EventAbsence::NotOnDate:
        return std::string("No ") + eventName + " on this date" + nextText(e, twelveHourClock);
    case EventAbsence::None:
        break;
    }
    return {};
}

std::array<std::string, 4> missingEventReasons(const DayDetails& d, bool twelveHourClock) {
    if (!d.valid) return {};
    return {missingEventText(d.sunrise, "Sun", "sunrise", twelveHourClock),
            missingEventText(d.sunset, "Sun", "sunset", twelveHourClock),
            missingEventText(d.moonrise, "Moon", "moonrise", twelveHourClock),
            missingEventText(d.moonset, "Moon", "moonset", twelveHourClock)};
}

std::string missingCrossingText(const DetailEvent& e, SunLevel level, bool twelveHourClock) {
    switch (e.absence) {
    case EventAbsence::UpAllDay:
        return "Does not happen: the Sun stays above " + levelText(level);
    case EventAbsence::DownAllDay:
        return "Does not happen: the Sun stays below " + levelText(level);
    case EventAbsence::NotOnDate:
        return "Not on this date" + nextText(e, twelveHourClock);
    case EventAbsence::None:
        break;
    }
    return {};
}

std::string dayLengthText(double hours) {
    const int32_t minutes = static_cast<int32_t>(std::lround(hours * 60.0));
    return formatText("%d h %d min", minutes / 60, minutes % 60);
}

std::string dayLengthChangeText(double minutes) {
    const std::string amount = changeAmount(minutes);
    if (amount.empty()) return "as long as the day before";
    return amount + (minutes > 0.0 ? " longer" : " shorter") + " than the day before";
}

std::string signedChangeText(double minutes) {
    const std::string amount = changeAmount(minutes);
    if (amount.empty()) return "+0 s";
    return (minutes > 0.0 ? "+" : "-") + amount;
}

const char* phaseEventName(MoonPhase phase) {
    switch (phase) {
    case MoonPhase::New:
        return "New Moon";
    case MoonPhase::FirstQuarter:
        return "First quarter";
    case MoonPhase::Full:
        return "Full Moon";
    case MoonPhase::LastQuarter:
        return "Last quarter";
    }
    return "";
}

std::string dateTimeText(const CivilDate& date, double time, bool twelveHourClock) {
    return formatText("%s %d %s at %s", WEEKDAYS[weekday(date.year, date.month, date.day)],
                      date.day, monthAbbreviation(date.month), clockText(time, twelveHourClock));
}

std::vector<DetailLine> dayDetailLines(const DayDetails& d, const Preferences& preferences) {
    const bool t = preferences.twelveHourClock;
    const auto& c = d.sunCrossings;
    std::vector<DetailLine> lines = {
        {"Sunrise", eventValue(d.sunrise, t)},
        {"Sunset", eventValue(d.sunset, t)},
        {"Day length", dayLengthText(d.dayLengthHours) + " (" +
                           signedChangeText(d.dayLengthChangeMinutes) + ")"},
        {"Solar noon", transitValue(d.solarNoon, d.solarNoonAltitude, t)},
        {"Astronomical dawn", crossingValue(c[ASTRONOMICAL_LEVEL].morning, ASTRONOMICAL_LEVEL, t)},
        {"Nautical dawn", crossingValue(c[NAUTICAL_LEVEL].morning, NAUTICAL_LEVEL, t)},
        {"Civil dawn", crossingValue(c[CIVIL_LEVEL].morning, CIVIL_LEVEL, t)},
        {"Morning blue hour", spanValue(c[CIVIL_LEVEL].morning, CIVIL_LEVEL,
                                        c[BLUE_GOLDEN_LEVEL].morning, BLUE_GOLDEN_LEVEL, t)},
        {"Morning golden hour", spanValue(c[BLUE_GOLDEN_LEVEL].morning, BLUE_GOLDEN_LEVEL,
                                          c[GOLDEN_END_LEVEL].morning, GOLDEN_END_LEVEL, t)},
        {"Evening golden hour", spanValue(c[GOLDEN_END_LEVEL].evening, GOLDEN_END_LEVEL,
                                          c[BLUE_GOLDEN_LEVEL].evening, BLUE_GOLDEN_LEVEL, t)},
        {"Evening blue hour", spanValue(c[BLUE_GOLDEN_LEVEL].evening, BLUE_GOLDEN_LEVEL,
                                        c[CIVIL_LEVEL].evening, CIVIL_LEVEL, t)},
        {"Civil dusk", crossingValue(c[CIVIL_LEVEL].evening, CIVIL_LEVEL, t)},
        {"Nautical dusk", crossingValue(c[NAUTICAL_LEVEL].evening, NAUTICAL_LEVEL, t)},
        {"Astronomical dusk", crossingValue(c[ASTRONOMICAL_LEVEL].evening, ASTRONOMICAL_LEVEL, t)},
        {"Moonrise", eventValue(d.moonrise, t)},
        {"Moonset", eventValue(d.moonset, t)},
        {"Moon transit", transitValue(d.moonTransit, d.moonTransitAltitude, t)},
    };
    for (const PhaseEvent& p : d.nextPhases)
        lines.push_back({phaseEventName(p.phase), dateTimeText(p.date, p.time, t)});
    return lines;
}

} // namespace skyledger
