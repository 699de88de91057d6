#include "model/double_double.h"
#include "model/exact_values.h"
#include "model/exp_table.h"
#include "model/numeric.h"
#include "model/run_error.h"

#include <bit>
#include <cmath>
#include <cstdint>

// PowerOf rounds the exact real power once, to nearest with ties to even, on
// every platform: the C library's pow is faithful at best, and its last-bit
// differences change the eighth digit of an arc length computed as
// √(YA² − C²) near the vertex. Only IEEE + − × ÷ and √ are used here, which
// every platform rounds alike; MPFR decides the rare cases they cannot.
namespace hc {

namespace {

using dd::DoubleDouble;

// Fast evaluation where its result is a normal double: e^-708 is above
// 2^-1022 and e^709 below the largest double.
constexpr double kFastLowest = -708;
constexpr double kFastHighest = 709;

// The relative error of ExpOfReduced's result is below 2^-71 (see there); the
// rounding test allows 2^-69, which also covers the test's own rounding.
constexpr double kErrorAllowance = 0x1p-69;

bool IsOddInteger(double integer) {
    return std::fabs(integer) < 0x1p53 && std::fmod(integer, 2) != 0;
}

// A base with at most 26 significant bits whose square is a normal double: its
// square is exact, so its cube rounds once. Every binary32 value widened is one.
bool SquaresExactly(double base) {
    constexpr std::uint64_t kLow27Bits = (std::uint64_t{1} << 27) - 1;
    return std::fabs(base) >= 0x1p-511 && (std::bit_cast<std::uint64_t>(base) & kLow27Bits) == 0;
}

// ln(base): the curve raises one base, E, to millions of exponents, so the
// last base's logarithm is kept rather than asked of MPFR again.
DoubleDouble LogOfBase(double base) {
    struct Kept {
        double base = 1; // never asked for: a base of 1 returns early
        DoubleDouble log;
    };
    thread_local Kept kept;
    if (base != kept.base)
        kept = {base, exact::Log(base)};
    return kept.log;
}

// e^t for t = t.hi + t.lo in [-708, 709], as w · 2^scale with w in [0.99, 2].
//
// t = k·ln2/256 + r with |r| ≤ ln2/512 + 2^-40 < 2^-9.5, so e^t = 2^(k/256) · e^r
// and 2^(k/256) = 2^scale · 2^(j/256). Errors, relative to the result:
//  - r: the rounding of k·C2 and the neglected k·(ln2/256 − C1 − C2), each
//    below 2^-80; t's own error, below 2^-94;
//  - e^r = 1 + r + r²·(1/2 + r/6 + … + r⁴/720): the last term, below 2^-20, is
//    evaluated in double from r.hi alone (rounding below 2^-71.4, the missing
//    r.lo terms below 2^-80, the missing r⁷/7! below 2^-78), its sum with the
//    rest rounds below 2^-74;
//  - the table entry and the product with it: below 2^-101.
// The sum stays below 2^-71.
DoubleDouble ExpOfReduced(DoubleDouble t, int& scale) {
    constexpr double k256OverLn2 = 0x1.71547652b82fep+8;
    // ln2/256 = C1 + C2 + less than 2^-99. C1 has 35 significant bits, so k·C1
    // is exact for every |k| < 2^18 that [-708, 709] gives.
    constexpr double kC1 = 0x1.62e42fefcp-9;
    constexpr double kC2 = -0x1.c610ca86c3899p-45;
    constexpr double kRoundToInteger =
        0x1.8p52; // adding it drops the fraction, rounding to nearest
    const double kd = (t.hi * k256OverLn2 + kRoundToInteger) - kRoundToInteger;
    const auto k = static_cast<std::int32_t>(kd);

    const DoubleDouble head = dd::TwoSum(t.hi, -(kd * kC1));
    const DoubleDouble r = dd::TwoSum(head.hi, head.lo + (t.lo - kd * kC2));

    const double x = r.hi;
    const double squareAndAbove =
        x * x * (0.5 + x * (1.0 / 6 + x * (1.0 / 24 + x * (1.0 / 120 + x * (1.0 / 720)))));
    const DoubleDouble sum = dd::FastTwoSum(1.0, r.hi);
    const DoubleDouble expR = dd::FastTwoSum(sum.hi, (sum.lo + r.lo + x * r.lo) + squareAndAbove);

    scale = k >> 8; // floor(k / 256)
    return dd::Multiply(kTwoToJOver256[static_cast<std::size_t>(k & 255)], expR);
}

// Whether w.hi is the correct rounding of every value within the error
// allowance of w.hi + w.lo: that is, whether that whole interval lies between
// the midpoints around w.hi. Below a power of two the next double is half as far.
bool RoundsToHigh(DoubleDouble w) {
    const auto bits = std::bit_cast<std::uint64_t>(w.hi);
    constexpr std::uint64_t kSignificand = (std::uint64_t{1} << 52) - 1;
    const double ulp = std::bit_cast<double>((bits & ~kSignificand) - (std::uint64_t{52} << 52));
    const double half = (bits & kSignificand) == 0 && w.lo < 0 ? ulp / 4 : ulp / 2;
    return std::fabs(w.lo) + kErrorAllowance * w.hi < half;
}

double CorrectlyRoundedPower(double base, double exponent) {
    // √ and one product are IEEE's own correctly rounded operations.
    if (exponent == 2)
        return base * base;
    if (exponent == 0.5) // pow(−0, ½) is +0 where √−0 is −0
        return base == 0 ? 0.0 : std::sqrt(base);
    if (exponent == 3 && SquaresExactly(base))
        return base * base * base;
    // Zeros, infinities, NaNs, exponent 0 and base 1: the values IEEE 754
    // prescribes, which every C library returns exactly.
    if (!std::isfinite(base) || !std::isfinite(exponent) || base == 0 || exponent == 0 || base == 1)
        return std::pow(base, exponent);

    // A negative base has an integer exponent here: its sign is the parity's.
    const bool negative = base < 0 && IsOddInteger(exponent);
    const double magnitude = std::fabs(base);
    if (magnitude == 1)
        return negative ? -1.0 : 1.0;

    const DoubleDouble log = LogOfBase(magnitude);
    const double estimate = exponent * log.hi;
    if (!(estimate >= kFastLowest && estimate <= kFastHighest))
        return exact::Power(base, exponent); // overflow, underflow, subnormal: rare
    // exponent · ln|base|, to 2^-104 of itself: the error of the logarithm and
    // of the rounded exponent · log.lo.
    const DoubleDouble product = dd::TwoProduct(exponent, log.hi);
    const DoubleDouble t = dd::FastTwoSum(product.hi, product.lo + exponent * log.lo);

    int scale = 0;
    const DoubleDouble w = ExpOfReduced(t, scale);
    if (!RoundsToHigh(w))
        return exact::Power(base, exponent);
    const double twoToScale = std::bit_cast<double>(static_cast<std::uint64_t>(scale + 1023) << 52);
    const double result = w.hi * twoToScale; // exact: the result is a normal double
    return negative ? -result : result;
}

} // namespace

double PowerOf(double base, double exponent, Step step) {
    if (base < 0 && std::trunc(exponent) != exponent)
        throw RunError(ErrorKind::InvalidArgument, step);
    const double result = CorrectlyRoundedPower(base, exponent);
    if (std::isinf(result) && std::isfinite(base) && std::isfinite(exponent))
        throw RunError(ErrorKind::Overflow, step);
    return result;
}

} // namespace hc
