// Angle reduction and the two small numeric helpers the series are written
// with: Horner polynomials and the integer part.
#pragma once

namespace skyledger {

// The angle x (radians) brought into [0, 2 pi).
double reduceAngle(double x);

// The angle x (radians) brought into [-pi, pi).
double reduceAngleSigned(double x);

// c[0] + c[1] x + ... + c[n] x^n by Horner's scheme; `c` holds n + 1 values.
double polyEval(const double* c, int n, double x);

// The integer part of x, truncated toward zero, as a double.
double integerPart(double x);

} // namespace skyledger
