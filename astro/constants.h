// Numeric constants shared by the astronomy core. The values are held exactly
// as the almanac's computations were tuned with them: later results depend on
// them to the last digit.
#pragma once

namespace skyledger {

inline constexpr double PI = 3.141592653589793;
inline constexpr double TWO_PI = 6.283185307179586;
inline constexpr double INV_TWO_PI = 0.15915494309189535;           // 1 / (2 pi)
inline constexpr double DEG_TO_RAD = 0.017453292519943295;          // pi / 180
inline constexpr double RAD_TO_DEG = 57.29577951308232;             // 180 / pi
inline constexpr double ARCSECOND = 4.84813681109536e-06;           // one arcsecond in radians
inline constexpr double CENTURIES_PER_DAY = 2.7378507871321012e-05; // 1 / 36525
inline constexpr double J2000 = 2451545.0;                          // Julian day of J2000.0
inline constexpr double DAYS_PER_SECOND = 1.1574074074074073e-05;   // 1 / 86400
// The refraction at the horizon, 34 arcminutes in radians: the standard
// altitude of rising and setting, and the altitude below which the Sun's
// place is left unrefracted.
inline constexpr double REFRACTION_AT_HORIZON = 0.009890780871051864;
// Equatorial radius of the Earth in km: sin(horizontal parallax) = this / distance.
inline constexpr double EARTH_RADIUS_KM = 6378.14;

} // namespace skyledger
