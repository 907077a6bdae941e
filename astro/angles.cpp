// Angle reduction and numeric helpers.
#include "astro/angles.h"

#include <cmath>

#include "astro/constants.h"

namespace skyledger {

double reduceAngle(double x) {
    return x - std::floor(x * INV_TWO_PI) * TWO_PI;
}

double reduceAngleSigned(double x) {
    return x - std::floor(x * INV_TWO_PI + 0.5) * TWO_PI;
}

double polyEval(const double* c, int n, double x) {
    double r = c[n];
    for (int i = 0; i < n; ++i)
        r = x * r + c[n - 1 - i];
    return r;
}

double integerPart(double x) {
    return std::trunc(x);
}

} // namespace skyledger
