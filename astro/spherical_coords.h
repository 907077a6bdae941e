// Spherical ecliptic coordinates passed between the astronomy routines.
#pragma once

namespace skyledger {

// Longitude and latitude in radians; radius in astronomical units for the Sun
// and the planets, in kilometres for the Moon.
struct SphericalCoords {
    double longitude = 0.0;
    double latitude = 0.0;
    double radius = 0.0;
};

} // namespace skyledger
