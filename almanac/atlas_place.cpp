// Places filled from the atlas and the World Magnetic Model.
#include "almanac/atlas_place.h"

#include <cmath>
#include <optional>

#include "almanac/local_time.h"
#include "astro/magnetic_model.h"

namespace skyledger {

double decimalYear(const CivilDate& date) {
    int32_t dayOfYear = date.day - 1;
    for (int32_t month = 1; month < date.month; ++month)
        dayOfYear += gregorianDaysInMonth(month, date.year);
    const double daysInYear = isLeapYear(date.year) ? 366.0 : 365.0;
    return date.year + dayOfYear / daysInYear;
}

ModelDeclination modelDeclination(double latitude, double longitude, const CivilDate& date) {
    const MagneticField field = worldMagneticModel(latitude, longitude, 0.0, decimalYear(date));
    return {field.declination, field.withinModelYears};
}

Location placeFromCity(const City& city, const CivilDate& date) {
    Location place;
    place.name = city.name;
    place.latitude = city.latitude;
    place.longitude = city.longitude;
    place.magneticDeclination = modelDeclination(city.latitude, city.longitude, date).degrees;
    place.zone = city.zone;
    // The standard offset from the database; without it, the nominal offset
    // of the longitude (positive west, as the offset counts).
    if (const std::optional<TimeZone> zone = TimeZone::find(city.zone))
        place.timeZone = zone->standardOffsetDaysNow() * 24.0;
    else
        place.timeZone = std::round(city.longitude / 15.0);
    return place;
}

} // namespace skyledger
