// Sines and cosines of integer combinations of a few fundamental arguments,
// as the lunar and nutation series need them (terms such as sin(2D - M')).
// The sine and cosine of each multiple k * x (k up to the series' largest
// multiplier) are taken once from the math library; a term's pair follows by
// the angle-addition formulas. The result equals the direct evaluation to a
// few units in the last place, at a fraction of the cost: one library call
// per multiple instead of one per term.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace skyledger {

// cos and sin of one angle.
struct Phasor {
    double c = 1.0;
    double s = 0.0;
};

// The phasor of the sum of the two angles.
inline Phasor operator*(const Phasor& a, const Phasor& b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// N fundamental arguments (radians), multipliers from -K to K.
template <int N, int K> class MultipleAngles {
  public:
    explicit MultipleAngles(const std::array<double, N>& angles) {
        for (int i = 0; i < N; ++i) {
            table_[i][K] = {1.0, 0.0};
            for (int k = 1; k <= K; ++k) {
                const double x = k * angles[static_cast<size_t>(i)];
                table_[i][K + k] = {std::cos(x), std::sin(x)};
                table_[i][K - k] = {table_[i][K + k].c, -table_[i][K + k].s};
            }
        }
    }

    // cos and sin of sum(multipliers[i] * angles[i]); each |multiplier| <= K.
    // A zero multiplier stands for the phasor (1, 0), and multiplying by it
    // gives back the very bits multiplied (x * 1 - y * 0 is x, y * 1 + x * 0
    // is y), so the product of all N is the product of the non-zero ones
    // taken in order, without a branch per argument.
    Phasor of(const std::array<int8_t, N>& multipliers) const {
        Phasor p = table_[0][K + multipliers[0]];
        for (int i = 1; i < N; ++i)
            p = p * table_[i][K + multipliers[static_cast<size_t>(i)]];
        return p;
    }

    // cos and sin of multiplier * angles[i]; |multiplier| <= K.
    const Phasor& multiple(int i, int multiplier) const { return table_[i][K + multiplier]; }

  private:
    Phasor table_[N][2 * K + 1];
};

} // namespace skyledger
