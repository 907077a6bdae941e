// Offsets and local days from the time-zone database, through date/tz.
#include "almanac/local_time.h"

#include <date/ptz.h>
#include <date/tz.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <map>
#include <memory>
#include <mutex>

#include "support/file_io.h"
#include "support/messages.h"

namespace skyledger {

namespace {

using std::chrono::seconds;

constexpr double UNIX_EPOCH_JD = 2440587.5; // 1970-01-01 00:00 UT
constexpr double SECONDS_PER_DAY = 86400.0;

date::sys_seconds sysSeconds(double julianDayUt) {
    return date::sys_seconds{
        seconds{static_cast<long long>(std::llround((julianDayUt - UNIX_EPOCH_JD) * SECONDS_PER_DAY))}};
}

double julianDayOf(date::sys_seconds t) {
    return UNIX_EPOCH_JD + static_cast<double>(t.time_since_epoch().count()) / SECONDS_PER_DAY;
}

// The database, or nullptr when the system has none the library can read.
const date::tzdb* database() {
    try {
        return &date::get_tzdb();
    } catch (const std::exception&) {
        return nullptr;
    }
}

constexpr const char* ZONE_DIRECTORY = "/usr/share/zoneinfo/";

// The rule after the last change a zone file lists: the file's last line, a
// POSIX TZ string such as "EST5EDT,M3.2.0,M11.1.0"; empty when there is none.
std::string closingRule(const std::string& name) {
    const FileResult<std::string> contents = readWholeFile(ZONE_DIRECTORY + name);
    if (!contents.ok()) return {};
    const std::string& bytes = contents.value();
    if (bytes.size() < 2 || bytes.back() != '\n') return {};
    const size_t start = bytes.rfind('\n', bytes.size() - 2);
    return start == std::string::npos ? std::string{}
                                      : bytes.substr(start + 1, bytes.size() - start - 2);
}

// A period that reaches the end of time (the library's last year) lies after
// the file's last change.
bool isOpenEnded(const date::sys_info& info) {
    return info.end >= date::sys_days{date::year{9999} / 1 / 1};
}

} // namespace

struct ZoneRules {
    const date::time_zone* zone;
    std::optional<Posix::time_zone> after; // the closing rule, when the file has one

    date::sys_info info(date::sys_seconds t) const {
        const date::sys_info listed = zone->get_info(t);
        return after && isOpenEnded(listed) ? after->get_info(t) : listed;
    }

    date::sys_seconds toSys(date::local_seconds clock) const {
        date::local_info listed = zone->get_info(clock);
        const date::sys_info& last =
            listed.result == date::local_info::unique ? listed.first : listed.second;
        if (after && isOpenEnded(last)) listed = after->get_info(clock);
        // A skipped clock reading is the change itself; a repeated one its first pass.
        if (listed.result == date::local_info::nonexistent) return listed.first.end;
        return date::sys_seconds{clock.time_since_epoch()} - listed.first.offset;
    }
};

namespace {

// The zones looked up so far, each read once.
const ZoneRules* zoneRules(std::string_view name) {
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<ZoneRules>, std::less<>> known;
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto it = known.find(name); it != known.end()) return it->second.get();
    if (database() == nullptr) return nullptr;
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(name);
    } catch (const std::exception&) {
        return nullptr;
    }
    auto rules = std::make_unique<ZoneRules>(ZoneRules{zone, std::nullopt});
    try {
        const std::string rule = closingRule(std::string(zone->name()));
        if (!rule.empty()) rules->after.emplace(rule);
    } catch (const std::exception&) {
        // A rule the library cannot read: the listed changes alone.
    }
    return known.emplace(std::string(name), std::move(rules)).first->second.get();
}

} // namespace

std::optional<TimeZone> TimeZone::find(std::string_view name) {
    if (name.empty()) return std::nullopt;
    const ZoneRules* rules = zoneRules(name);
    if (rules == nullptr) return std::nullopt;
    return TimeZone(rules);
}

std::string TimeZone::name() const {
    return std::string(rules_->zone->name());
}

double TimeZone::offsetDaysAt(double julianDayUt) const {
    const date::sys_info info = rules_->info(sysSeconds(julianDayUt));
    return -static_cast<double>(info.offset.count()) / SECONDS_PER_DAY;
}

double TimeZone::standardOffsetDaysNow() const {
    const date::sys_info info =
        rules_->info(std::chrono::floor<seconds>(std::chrono::system_clock::now()));
    const seconds standard = info.offset - std::chrono::duration_cast<seconds>(info.save);
    return -static_cast<double>(standard.count()) / SECONDS_PER_DAY;
}

std::string TimeZone::abbreviationAt(double julianDayUt) const {
    return rules_->info(sysSeconds(julianDayUt)).abbrev;
}

double TimeZone::instantOf(const CivilDate& d, double clockHours) const {
    const date::local_days day{date::year{d.year} / d.month / d.day};
    const date::local_seconds clock =
        day + seconds{static_cast<long long>(std::llround(clockHours * 3600.0))};
    return julianDayOf(rules_->toSys(clock));
}

LocalDay localDay(const TimeZone& zone, const CivilDate& date) {
    LocalDay d;
    d.startJd = zone.instantOf(date, 0.0);
    d.endJd = zone.instantOf(date, 24.0);
    d.noonJd = zone.instantOf(date, 12.0);
    d.startOffset = zone.offsetDaysAt(d.startJd);
    d.endOffset = zone.offsetDaysAt(d.endJd - 1.0 / SECONDS_PER_DAY);
    return d;
}

std::optional<TimeZone> basisZone(const Location& location, TimeBasis basis) {
    if (basis != TimeBasis::Local) return std::nullopt;
    return TimeZone::find(location.zone);
}

bool hasKnownZone(const Location& location) {
    return TimeZone::find(location.zone).has_value();
}

TimeBasis startingTimeBasis(const LocationList& list, TimeBasis otherwise) {
    const Location* place = list.currentLocation();
    return place && hasKnownZone(*place) ? TimeBasis::Local : otherwise;
}

TimeBasis basisAvailableAt(const Location* place, TimeBasis basis) {
    if (basis != TimeBasis::Local || (place && hasKnownZone(*place))) return basis;
    return TimeBasis::Standard;
}

std::optional<std::string> unknownZoneProblem(const Location& location) {
    if (location.zone.empty() || hasKnownZone(location)) return std::nullopt;
    return placeZoneUnknownMessage(location.name, location.zone);
}

bool isKnownZone(std::string_view name) {
    return TimeZone::find(name).has_value();
}

std::vector<std::string> zoneNames() {
    std::vector<std::string> names;
    const date::tzdb* db = database();
    if (db == nullptr) return names;
    for (const date::time_zone& zone : db->zones)
        names.emplace_back(zone.name());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace skyledger
