#pragma once

#include "model/sheet.h"

#include <limits>
#include <numbers>

namespace hc {

namespace advice {

constexpr long double TenTo(int n) {
    long double power = 1;
    for (int i = 0; i < n; ++i)
        power *= 10;
    return power;
}

// A positive value cut to `digits` significant decimal digits, towards zero,
// worked out while compiling. In long double (64 bits of mantissa or more)
// the digits kept are exact, and the value they name is the double nearest
// to it on every target the program is built for.
constexpr double CutToDigits(long double value, int digits) {
    if (!(value > 0))
        return 0;
    int tens = 0; // of the first digit: value in [10^tens, 10^(tens + 1))
    while (TenTo(tens + 1) <= value)
        ++tens;
    while (value * TenTo(-tens) < 1)
        --tens;
    const int shift = tens - digits + 1;
    if (shift >= 0) {
        const auto kept = static_cast<unsigned long long>(value / TenTo(shift));
        return static_cast<double>(static_cast<long double>(kept) * TenTo(shift));
    }
    const auto kept = static_cast<unsigned long long>(value * TenTo(-shift));
    return static_cast<double>(static_cast<long double>(kept) / TenTo(-shift));
}

constexpr long double TwoTo(int n) {
    long double power = 1;
    for (int i = 0; i < n; ++i)
        power *= 2;
    return power;
}

} // namespace advice

// The largest values an error's advice tells the user to stay within, each
// derived from the limit that makes its step fail and cut to the digits the
// advice shows, towards zero, so that a value within the advice is within
// the limit.
struct AdviceLimits {
    // |XA|, |XB|: the abscissa is taken as a binary32 number.
    double abscissa;
    // |X|/C: E^(|X|/C) must be a finite double (E is just under e).
    double ratio;
    // A support's height: the arc length squares it.
    double height;
    // C and |XA|: a dot's place is the value times the plot's scale, as a
    // binary32 number.
    double plotted;
};

inline constexpr AdviceLimits kAdviceLimits = {
    .abscissa = advice::CutToDigits(std::numeric_limits<float>::max(), 2),
    // ln of the largest double, 2^1024·(1 − 2^-53): 1024·ln 2, less 2^-53.
    .ratio = advice::CutToDigits(
        std::numeric_limits<double>::max_exponent * std::numbers::ln2_v<long double>, 5),
    // √ of the largest double: 2^512·√(1 − 2^-53), a hair under 2^512.
    .height = advice::CutToDigits(advice::TwoTo(std::numeric_limits<double>::max_exponent / 2) *
                                      (1 - 1 / advice::TwoTo(54)),
                                  3),
    .plotted = advice::CutToDigits(std::numeric_limits<float>::max() / kPlotScale, 2),
};

} // namespace hc
