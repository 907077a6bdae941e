// The Sun's place from the VSOP87 planetary theory (Bretagnon and Francou,
// 1988) truncated to its largest terms: the term store that copies one body's
// series from the built-in pool to the heap while it is computed, the series
// evaluation with the correction to the FK5 frame (Meeus, "Astronomical
// Algorithms", chapters 25 and 32), and the conversion from heliocentric to
// geocentric ecliptic coordinates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

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

// Drops every loaded body, so that a computation starts from an empty store.
// Blocks that are still held are released rather than forgotten.
void resetTermStore();

// Copies the directory and the terms of `body` (0..8) into the store and
// returns the number of bytes of terms it holds (24 per term). A body that is
// already loaded keeps its block. Returns 0 and loads nothing for an index
// outside 0..8 or when the allocation fails; the caller reports the failure
// (TERM_STORE_OUT_OF_MEMORY is the program's message for it).
size_t loadBodyTerms(int32_t body);

inline constexpr const char* TERM_STORE_OUT_OF_MEMORY = "Out of memory on planetary terms !";

// Releases the terms of one body; indices outside 0..8 are ignored.
void freeBodyTerms(int32_t body);

// Releases the terms of every loaded body.
void freeAllBodyTerms();

// True when the terms of `body` are loaded.
bool bodyTermsLoaded(int32_t body);

// Allocation function of the term store, replaceable so that a failing
// allocation can be exercised; nullptr restores the default (std::malloc).
// Blocks are released with std::free, so a replacement must hand out memory
// that std::free accepts (or nullptr).
using TermAllocator = void* (*)(size_t bytes);
void setTermAllocator(TermAllocator allocator);

// Heliocentric ecliptic longitude and latitude (radians, FK5 frame) and radius
// vector (AU) of `body` at tTd (Julian centuries from J2000.0, dynamical
// time). Returns false and leaves `out` unchanged when the body's terms are
// not loaded.
bool bodyHeliocentric(int32_t body, double tTd, SphericalCoords& out);

// The body's position at tTd - step, tTd and tTd + step (Julian centuries,
// dynamical time) from one pass through its terms, as three bodyHeliocentric calls give
// them to within a few units in the last place: the middle instant exactly,
// the outer ones by turning each term's argument through its step. The rise
// and set solver's three days cost little more than one. False when the
// body's terms are not loaded.
bool bodyHeliocentricAround(int32_t body, double tTd, double step, SphericalCoords out[3]);

// The Sun's geometric geocentric ecliptic longitude (radians, [0, 2 pi)),
// latitude (radians) and distance (AU) at tTd (Julian centuries, dynamical
// time) from the Earth's series of `body` (3 in practice). Returns false and
// leaves `out` unchanged when that body's terms are not loaded.
bool sunGeocentric(double tTd, int32_t body, SphericalCoords& out);

// The Earth's series of date (BODY_EARTH) in the term store for the life of
// one computation: the store is emptied and the Earth's terms copied in when
// the scope begins, and every block is released when it ends, on every path
// out. The almanac reaches the Sun only through this scope.
class EarthSeries {
  public:
    EarthSeries();
    ~EarthSeries();
    EarthSeries(const EarthSeries&) = delete;
    EarthSeries& operator=(const EarthSeries&) = delete;

    // False when the terms could not be allocated; no place can be had then.
    bool loaded() const { return loaded_; }
    // The Earth's heliocentric place at tTd, as bodyHeliocentric gives it.
    std::optional<SphericalCoords> earth(double tTd) const;
    // The Earth's places at tTd - step, tTd and tTd + step, as
    // bodyHeliocentricAround gives them; false when not loaded.
    bool earthAround(double tTd, double step, SphericalCoords out[3]) const;
    // The Sun's geometric geocentric place at tTd, as sunGeocentric gives it.
    std::optional<SphericalCoords> sun(double tTd) const;

  private:
    bool loaded_ = false;
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
