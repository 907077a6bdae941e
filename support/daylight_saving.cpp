// Daylight saving from the local clock's offsets.
#include "support/daylight_saving.h"

namespace skyledger {

namespace {

// The local clock's offset from UTC at `when`, in seconds east.
long utcOffset(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local.tm_gmtoff;
}

// Noon UTC on the 15th of `month` (0-11) of `year` (years since 1900).
std::time_t midMonth(int year, int month) {
    std::tm utc{};
    utc.tm_year = year;
    utc.tm_mon = month;
    utc.tm_mday = 15;
    utc.tm_hour = 12;
    return timegm(&utc);
}

} // namespace

bool daylightSavingInForce(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    const long january = utcOffset(midMonth(local.tm_year, 0));
    const long july = utcOffset(midMonth(local.tm_year, 6));
    const long standard = january < july ? january : july;
    return local.tm_gmtoff > standard;
}

} // namespace skyledger
