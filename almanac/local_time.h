// Local time at a place: the wall-clock offset in force at an instant and the
// bounds of a local calendar day, from the IANA time-zone database of the
// system (/usr/share/zoneinfo) read through Howard Hinnant's date/tz library,
// the reference implementation of C++20's std::chrono time zones. A zone's
// file lists its changes of clocks up to some year (2037 for most) and ends
// with the rule that holds after them, as a POSIX TZ string; after the last
// listed change that rule is applied through the library's Posix::time_zone.
//
// Instants are Julian days (UT); offsets are days added to a local clock time
// to obtain UT, positive west, as timeOffsetDays gives them for the fixed
// bases. A zone name the database does not know, or a database that cannot be
// read, gives no zone: the place then keeps its fixed standard offset.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/civil_calendar.h"
#include "settings/location.h"

namespace skyledger {

struct ZoneRules; // the database's zone and the rule that follows its table

// One zone of the database; copied freely, valid for the program's life.
class TimeZone {
  public:
    // The zone called `name` ("Europe/London"), or nothing for an empty or
    // unknown name.
    static std::optional<TimeZone> find(std::string_view name);

    // The database's name of the zone.
    std::string name() const;

    // Days added to the local clock time to obtain UT at the instant
    // `julianDayUt`: -1/24 for British Summer Time.
    double offsetDaysAt(double julianDayUt) const;

    // The zone's standard offset (days, positive west) at the present
    // instant: the offset in force less any daylight saving.
    double standardOffsetDaysNow() const;

    // The abbreviation in force at the instant, such as "BST" or "+1030".
    std::string abbreviationAt(double julianDayUt) const;

    // The instant (Julian day, UT) at which the local clock reads
    // `clockHours` (0..24) on `date`. A clock reading the clocks skip gives
    // the instant of the change; a repeated one gives its first instant.
    double instantOf(const CivilDate& date, double clockHours) const;

  private:
    explicit TimeZone(const ZoneRules* rules) : rules_(rules) {}
    const ZoneRules* rules_;
};

// The local calendar day of a date: from local midnight to the next local
// midnight, 23 or 25 hours long on a day the clocks change.
struct LocalDay {
    double startJd = 0.0;      // UT of the day's first instant
    double endJd = 0.0;        // UT of the next day's first instant
    double startOffset = 0.0;  // days, in force at the start
    double endOffset = 0.0;    // days, in force in the day's last instant
    double noonJd = 0.0;       // UT when the clock reads 12:00
    bool changesClocks() const { return startOffset != endOffset; }
};

[[nodiscard]] LocalDay localDay(const TimeZone& zone, const CivilDate& date);

// The zone whose clock the times are given on: the place's zone on the
// local-time basis, nothing on the other bases or for a place without a zone
// the database knows (local time then falls back to standard time).
[[nodiscard]] std::optional<TimeZone> basisZone(const Location& location, TimeBasis basis);

// True when the place has a zone the database knows: local time is available.
[[nodiscard]] bool hasKnownZone(const Location& location);

// The time basis at start-up: local time when the current place has a zone,
// otherwise `otherwise` (the rule of the computer's clock).
[[nodiscard]] TimeBasis startingTimeBasis(const LocationList& list, TimeBasis otherwise);

// The basis after a change of place: local time falls back to standard time
// at a place without a zone; every other basis stays.
[[nodiscard]] TimeBasis basisAvailableAt(const Location* place, TimeBasis basis);

// The message for a zone name the database does not know, naming the place:
// "Greenwich: time zone 'Europe/Lundon' unknown, standard time used"; nothing
// for a place without a zone or with a known one.
[[nodiscard]] std::optional<std::string> unknownZoneProblem(const Location& location);

// True when the database knows the name.
[[nodiscard]] bool isKnownZone(std::string_view name);

// Every zone name of the database, sorted, for a list to pick from; empty
// when the database cannot be read.
[[nodiscard]] std::vector<std::string> zoneNames();

} // namespace skyledger
