// Feeds the rise/transit/set solver arbitrary days, positions, standard
// altitudes and observers within the ranges of real use (and somewhat beyond)
// and stops on a result that is not a number or on a whole day above or
// below h0 that has a crossing.
// libFuzzer's own timeout catches a refinement that does not end.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "astro/rise_transit_set.h"

namespace {

// A double from eight input bytes, mapped into [lo, hi].
double take(const uint8_t*& data, double lo, double hi) {
    uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    data += sizeof bits;
    return lo + (hi - lo) * (static_cast<double>(bits >> 11) / 9007199254740992.0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 11 * 8) return 0;
    using namespace skyledger;
    const double t0Ut = take(data, -20.0, 20.0);
    const double deltaTSeconds = take(data, -1000.0, 20000.0);
    const double ra1 = take(data, -7.0, 7.0);
    const double dec1 = take(data, -1.5707963267948966, 1.5707963267948966);
    const double ra2 = take(data, -7.0, 7.0);
    const double dec2 = take(data, -1.5707963267948966, 1.5707963267948966);
    const double ra3 = take(data, -7.0, 7.0);
    const double dec3 = take(data, -1.5707963267948966, 1.5707963267948966);
    const double h0 = take(data, -0.2, 0.2);
    const double longitude = take(data, -3.2, 3.2);
    const double latitude = take(data, -1.5707963267948966, 1.5707963267948966);
    const RiseTransitSet r = riseTransitSet({.t0Ut = t0Ut,
                                             .deltaTSeconds = deltaTSeconds,
                                             .rightAscension = {ra1, ra2, ra3},
                                             .declination = {dec1, dec2, dec3},
                                             .h0 = h0,
                                             .longitude = longitude,
                                             .latitude = latitude});
    if (!std::isfinite(r.transit)) std::abort();
    for (const std::optional<double>& crossing : {r.rise, r.set})
        if (crossing && !std::isfinite(*crossing)) std::abort();
    // A day above or below h0 throughout has no crossing at all.
    if (r.course != DayCourse::Crosses && (r.rise || r.set)) std::abort();
    return 0;
}
