// Daylight saving as the clock shows it, in zones whose tz data differ in kind:
// Ireland's negative winter saving, the northern and the southern summers.
#include "support/daylight_saving.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace skyledger {
namespace {

// Noon UTC on a date.
std::time_t noonUtc(int year, int month, int day) {
    std::tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    utc.tm_hour = 12;
    return timegm(&utc);
}

TEST(DaylightSaving, FollowsTheClocksOffsetNotTheTzDatabasesFlag) {
    const char* const before = std::getenv("TZ");
    const std::string kept = before != nullptr ? before : "";
    const struct {
        const char* zone;
        bool december;
        bool july;
    } zones[] = {
        {"Europe/Dublin", false, true},
        {"America/New_York", false, true},
        {"Australia/Sydney", true, false},
        {"UTC", false, false},
    };
    for (const auto& z : zones) {
        setenv("TZ", z.zone, 1);
        tzset();
        EXPECT_EQ(daylightSavingInForce(noonUtc(2026, 12, 7)), z.december) << z.zone;
        EXPECT_EQ(daylightSavingInForce(noonUtc(2026, 7, 1)), z.july) << z.zone;
    }
    if (before != nullptr)
        setenv("TZ", kept.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

} // namespace
} // namespace skyledger
