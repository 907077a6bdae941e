// The Sun's place from the VSOP87 planetary theory (Bretagnon and Francou,
// 1988) truncated to its largest terms: the series evaluation over the
// built-in term pool with the correction to the FK5 frame (Meeus, "Astronomical
// Algorithms", chapters 25 and 32), and the conversion from heliocentric to
// geocentric ecliptic coordinates.
#pragma once

#include <cstdint>

#include "astro/multiple_angles.h"
#include "astro/spherical_coords.h"

namespace skyledger {

// One periodic term: its value at tau (Julian millennia from J2000.0) is
// amplitude * cos(phase + frequency * tau). Amplitude in radians for
// longitude and latitude, in astronomical units for the radius vector; phase
// in radians; frequency in radians per Julian millennium.
struct SeriesTerm {
    double amplitude;
    double phase;
    double frequency;
};

// A run of consecutive terms in the pool: index of the first, number of terms.
struct SeriesRange {
    int16_t start;
    int16_t count;
};

// The 18 series of one body in the order L0..L5, B0..B5, R0..R5.
struct SeriesDirectory {
    SeriesRange series[18];
};

enum BodyIndex : int32_t {
    BODY_EARTH_J2000 = 0, // Earth, fixed ecliptic and equinox J2000.0
    BODY_MERCURY,
    BODY_VENUS,
    BODY_EARTH, // Earth, ecliptic and equinox of date
    BODY_MARS,
    BODY_JUPITER,
    BODY_SATURN,
    BODY_URANUS,
    BODY_NEPTUNE,
};

inline constexpr int32_t BODY_COUNT = 9;
inline constexpr int32_t SERIES_PER_BODY = 18;

// Heliocentric ecliptic longitude and latitude (radians, FK5 frame) and radius
// vector (AU) of `body` at tTd (Julian centuries from J2000.0, dynamical
// time), summed straight over the built-in read-only tables: nothing is
// allocated or kept, so any number of computations may use the series at once.
SphericalCoords bodyHeliocentric(BodyIndex body, double tTd);

// The body's position at tTd - step, tTd and tTd + step (Julian centuries,
// dynamical time) from one pass through its terms, as three bodyHeliocentric
// calls give them to within a few units in the last place: the middle instant
// exactly, the outer ones by turning each term's argument through its step.
// The rise and set solver's three days cost little more than one.
void bodyHeliocentricAround(BodyIndex body, double tTd, double step, SphericalCoords out[3]);

// The Sun's geometric geocentric ecliptic longitude (radians, [0, 2 pi)),
// latitude (radians) and distance (AU) at tTd (Julian centuries, dynamical
// time) from the Earth's series of date (BODY_EARTH).
SphericalCoords sunGeocentric(double tTd);

// The Earth's series of date (BODY_EARTH) made ready at one instant for the
// few instants of one day: the cosine and sine of every term's argument are
// taken from the math library once, at the anchor, and the series at an
// instant within a day and a quarter of it follows by turning each term
// through the difference with a short power series, to within a few units in
// the last place of bodyHeliocentric. Farther instants are evaluated
// directly. Lives on the stack and holds nothing but its own numbers.
class EarthSeriesNear {
  public:
    // Up to this many terms; the Earth of date has 195.
    static constexpr int CAPACITY = 224;

    // Anchored at tTd (Julian centuries, dynamical time).
    explicit EarthSeriesNear(double tTd);

    // The Earth one day before, at and one day after the anchor: the very
    // bits bodyHeliocentricAround(BODY_EARTH, tTd, CENTURIES_PER_DAY) gives.
    const SphericalCoords* aroundAnchor() const { return around_; }

    // The Earth's heliocentric place at t (Julian centuries, dynamical time).
    SphericalCoords earthAt(double t) const;

    // The Sun's geometric geocentric place at t, as sunGeocentric gives it
    // to within a few units in the last place.
    SphericalCoords sunAt(double t) const;

  private:
    double tau_; // the anchor in Julian millennia
    int count_;
    Phasor phasors_[CAPACITY];
    SphericalCoords around_[3];
};

// Geocentric ecliptic coordinates of a body from its heliocentric ones and the
// Earth's (angles in radians, radii in the same unit). A body at the origin
// gives the Sun as seen from the Earth.
SphericalCoords heliocentricToGeocentric(const SphericalCoords& body, const SphericalCoords& earth);

// Rectangular coordinates, in the unit of the radius, of a spherical position.
void sphericalToRectangular(const SphericalCoords& s, double& x, double& y, double& z);

// Spherical position of a rectangular one: longitude in [0, 2 pi), latitude in
// [-pi/2, pi/2] (0 at the origin), radius in the unit of x, y and z.
SphericalCoords rectangularToSpherical(double x, double y, double z);

} // namespace skyledger
