// Altitude and bearing of the Sun and the Moon at a clock time.
#include "almanac/horizontal_position.h"

#include <cmath>

#include "astro/constants.h"
#include "astro/horizon.h"
#include "astro/julian_day.h"
#include "astro/moon_position.h"
#include "astro/nutation.h"
#include "astro/planetary_series.h"

namespace skyledger {

namespace {

constexpr double DAYS_PER_HOUR = 0.041666666666666664;
constexpr double DAYS_PER_MINUTE = 0.0006944444444444445;
// Sine of the Sun's horizontal parallax at 1 AU (8.794 arcseconds).
constexpr double SUN_PARALLAX_AT_1_AU = 0.0000426345151167726;
// Refraction is applied to the Sun only above 34 arcminutes (the refraction at
// the horizon), to the Moon above 0.
constexpr double SUN_REFRACTION_THRESHOLD = REFRACTION_AT_HORIZON;
constexpr double MOON_REFRACTION_THRESHOLD = 0.0;
// The azimuth is turned from the south with pi to ten decimals, not PI: every
// bearing the almanac has shown was computed so, and with the exact value a
// bearing within 5e-9 degree below a whole degree would show one degree more.
constexpr double PI_TEN_DECIMALS = 3.1415926535;

// The quantities both bodies share: T (UT), obliquity and nutation, local
// apparent sidereal time and the observer's geocentric coordinates.
struct SkyFrame {
    double t;
    double meanObliquity;
    double deltaPsi;
    double deltaEpsilon;
    double siderealTime;
    double rhoCosPhi;
    double rhoSinPhi;
};

SkyFrame skyFrame(const ClockTime& when, const SkyObserver& where) {
    SkyFrame f{};
    const double dayFraction =
        (when.hour + when.offsetHours) * DAYS_PER_HOUR + when.minute * DAYS_PER_MINUTE;
    f.t = julianCenturies(julianDay({when.year, when.month, when.day + dayFraction}));
    f.meanObliquity = meanObliquity(f.t);
    nutation(f.t, f.deltaPsi, f.deltaEpsilon);
    f.siderealTime =
        meanSiderealTime(f.t) + f.deltaPsi * std::cos(f.meanObliquity) - where.longitude;
    observerGeocentric(where.latitude, where.height, f.rhoCosPhi, f.rhoSinPhi);
    return f;
}

// Azimuth from the south and true altitude (radians) to the reported position.
HorizontalPosition toReported(double azimuth, double altitude, double refractionThreshold,
                              const SkyObserver& where) {
    if (altitude > refractionThreshold) altitude += refraction(altitude);
    double bearing = (azimuth + PI_TEN_DECIMALS) * RAD_TO_DEG;
    if (where.magneticBearings) bearing -= where.magneticDeclination;
    if (std::isfinite(bearing)) {
        while (bearing < 0.0)
            bearing += 360.0;
        while (bearing > 360.0)
            bearing -= 360.0;
    }
    return {altitude * RAD_TO_DEG, bearing};
}

// The Sun's reported position from the frame and the Earth's place at f.t.
HorizontalPosition sunFrom(const SkyFrame& f, const SphericalCoords& earth,
                           const SkyObserver& where) {
    const SphericalCoords sun = heliocentricToGeocentric(SphericalCoords{}, earth);

    double ra = 0.0;
    double dec = 0.0;
    eclipticToEquatorial(sun.longitude + f.deltaPsi, sun.latitude, f.meanObliquity + f.deltaEpsilon,
                         ra, dec);
    annualAberration(f.t, f.meanObliquity, ra, dec);
    parallaxApprox(SUN_PARALLAX_AT_1_AU / sun.radius, f.siderealTime, f.rhoCosPhi, f.rhoSinPhi, ra,
                   dec);
    double azimuth = 0.0;
    double altitude = 0.0;
    equatorialToHorizontal(ra, dec, f.siderealTime, where.latitude, azimuth, altitude);
    return toReported(azimuth, altitude, SUN_REFRACTION_THRESHOLD, where);
}

} // namespace

SkyObserver skyObserver(const Location& location, const Preferences& preferences) {
    return {location.latitude * DEG_TO_RAD, location.longitude * DEG_TO_RAD, 0.0,
            preferences.magneticBearings, location.magneticDeclination};
}

// The series are taken at Universal Time: Delta T is not applied here.
HorizontalPosition sunHorizontal(const ClockTime& when, const SkyObserver& where) {
    const SkyFrame f = skyFrame(when, where);
    return sunFrom(f, bodyHeliocentric(BODY_EARTH, f.t), where);
}

HorizontalPosition sunHorizontal(const ClockTime& when, const SkyObserver& where,
                                 const EarthSeriesNear& earth) {
    const SkyFrame f = skyFrame(when, where);
    return sunFrom(f, earth.earthAt(f.t), where);
}

HorizontalPosition moonHorizontal(const ClockTime& when, const SkyObserver& where) {
    const SkyFrame f = skyFrame(when, where);
    const SphericalCoords moon = moonPosition(f.t);
    const double sinParallax = moonSinParallax(moon.radius);

    double ra = 0.0;
    double dec = 0.0;
    eclipticToEquatorial(moon.longitude + f.deltaPsi, moon.latitude,
                         f.meanObliquity + f.deltaEpsilon, ra, dec);
    parallaxRigorous(sinParallax, f.siderealTime, f.rhoCosPhi, f.rhoSinPhi, ra, dec);
    double azimuth = 0.0;
    double altitude = 0.0;
    equatorialToHorizontal(ra, dec, f.siderealTime, where.latitude, azimuth, altitude);
    return toReported(azimuth, altitude, MOON_REFRACTION_THRESHOLD, where);
}

} // namespace skyledger
