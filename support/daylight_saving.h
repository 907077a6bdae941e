// Whether the computer's clock shows daylight-saving time, for the time basis
// both programs start in.
#pragma once

#include <ctime>

namespace skyledger {

// True when the local clock (the TZ zone) at `when` runs ahead of the zone's
// standard time: its offset from UTC exceeds the smaller of the zone's offsets
// in mid-January and mid-July of that year. The C library's tm_isdst cannot
// be used: the tz database marks Irish winter time as the "daylight" one, a
// negative saving, which would turn the seasons round in Ireland.
bool daylightSavingInForce(std::time_t when);

} // namespace skyledger
