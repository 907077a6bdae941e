// The Earth's main magnetic field from the World Magnetic Model 2025
// (NOAA and the British Geological Survey; Chulliat et al., "The US/UK World
// Magnetic Model for 2025-2030", technical report): a spherical-harmonic
// expansion of the geomagnetic potential to degree and order 12 with Schmidt
// semi-normalized associated Legendre functions, its Gauss coefficients
// changing linearly from the epoch 2025.0. The model is meant for 2025.0 to
// 2030.0; outside those years it still answers (the linear change carried
// on) and says so.
#pragma once

#include <cstddef>

namespace skyledger {

// One row of the model's coefficient table: degree n, order m, the Gauss
// coefficients g and h at the epoch (nT) and their change per year (nT/year).
struct GaussCoefficient {
    int n;
    int m;
    double g;
    double h;
    double gPerYear;
    double hPerYear;
};

// The model's coefficients, n = 1..12 and m = 0..n in that order (generated
// into astro/wmm2025_coefficients.cpp).
extern const GaussCoefficient WMM2025_COEFFICIENTS[];
extern const size_t WMM2025_COEFFICIENT_COUNT;

inline constexpr double WMM2025_EPOCH = 2025.0;
inline constexpr double WMM2025_LAST_YEAR = 2030.0; // the end of the model's years

// The field at a point, in the geodetic frame of the point.
struct MagneticField {
    double north = 0.0;       // X, nT
    double east = 0.0;        // Y, nT
    double down = 0.0;        // Z, nT
    double horizontal = 0.0;  // H, nT
    double total = 0.0;       // F, nT
    double declination = 0.0; // D, degrees, positive when magnetic north lies east of true north
    double inclination = 0.0; // I, degrees, positive when the field points down
    bool withinModelYears = true; // the year lies in 2025.0 <= year <= 2030.0
};

// The field at geodetic `latitude` (degrees, positive north), `longitude`
// (degrees, positive WEST, as a Location keeps it), `height` above the WGS84
// ellipsoid (km) and `decimalYear` (2027.5 is the middle of 2027).
MagneticField worldMagneticModel(double latitude, double longitude, double height,
                                 double decimalYear);

} // namespace skyledger
