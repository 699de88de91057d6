#include "model/power.h"

#include "model/compat.h"
#include "model/double_double.h"
#include "model/exact_values.h"
#include "model/exp_table.h"
#include "model/power_constants.h"
#include "model/run_error.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

// PowerOf rounds the exact real power once, to nearest with ties to even, on
// every platform: the C library's pow is faithful at best, and its last-bit
// differences change the eighth digit of an arc length computed as
// √(YA² − C²) near the vertex. Only IEEE + − × ÷ and √ are used here, which
// every platform rounds alike; MPFR decides the rare cases they cannot.
namespace hc {

namespace {

using dd::DoubleDouble;

namespace fp = fast_power;

bool IsOddInteger(double integer) {
    return std::fabs(integer) < 0x1p53 && std::fmod(integer, 2) != 0;
}

// A base with at most 26 significant bits whose square is a normal double: its
// square is exact, so its cube rounds once. Every binary32 value widened is one.
bool SquaresExactly(double base) {
    constexpr std::uint64_t kLow27Bits = (std::uint64_t{1} << 27) - 1;
    return std::fabs(base) >= 0x1p-511 && (compat::bit_cast<std::uint64_t>(base) & kLow27Bits) == 0;
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

// e^t for t = t.hi + t.lo with t.hi within 2^-42 of [-708, 709] and t.lo at
// most half an ulp of it, as w · 2^scale with w in [0.99, 2]. Each operation's
// error is written beside it, for the worst t, as tests/model/proof/
// exp_reduced.g finds it; that proof bounds their sum, the relative error of
// w against e^t with t's own error included, by 2^-71.66.
DoubleDouble ExpOfReduced(DoubleDouble t, int& scale) {
    // k = round(t.hi · 256/ln2), |k| ≤ 261 855: adding 1.5·2^52 rounds away
    // the fraction (to nearest), exactly, for any |x| < 2^51.
    constexpr double kRoundToInteger = 0x1.8p52;
    const double kd = (t.hi * fp::k256OverLn2 + kRoundToInteger) - kRoundToInteger;
    const auto k = static_cast<std::int32_t>(kd);

    // r = t − k·ln2/256, |r| ≤ fp::kReducedRange, with an error below 2^-78.2
    // against the exact t − k·ln2/256 (fp::kExponentError of t's own included):
    //  - k·C1: exact (35 + 18 bits). t.hi − k·C1 is exact too, so head.lo is
    //    0: both are multiples of ulp(t.hi) (C1's last bit is 2^-43, and
    //    |t.hi| < 1024), and their difference is below 2^-9.5, so fewer than
    //    2^53 of them (for |k| ≥ 2 this is Sterbenz's lemma). The proof does
    //    not rely on that: TwoSum makes the head exact whatever its operands;
    //  - k·C2 rounds within 2^-80, t.lo − k·C2 within 2^-80, their sum with
    //    head.lo within 2^-80; the sum with head.hi is exact (TwoSum);
    //  - k·(ln2/256 − C1 − C2), which is neglected: below 2^-81.4.
    const DoubleDouble head = dd::TwoSum(t.hi, -(kd * fp::kC1));
    const DoubleDouble r = dd::TwoSum(head.hi, head.lo + (t.lo - kd * fp::kC2));

    // e^r = 1 + r + r²·(c0 + r·(c1 + …)), the last part (below 2^-20) from r.hi
    // alone in double (|r.lo| ≤ 2^-63). Errors, absolute, 2^-71.7 in all:
    //  - the polynomial's own: below fp::kPolynomialError (Sollya: 2^-78.98);
    //  - squareAndAbove: 2^-72.03 (the Horner steps 2^-73.06, x·x 2^-74, the
    //    product 2^-74);
    //  - the r.lo terms left out (r.lo·r²/2 and beyond): below 2^-83.06;
    //  - sum.lo + r.lo and + x·r.lo: 2^-106 each; + squareAndAbove: 2^-74;
    //  - 1 + r.hi and the last sum are exact (FastTwoSum: 1 > |r.hi|, and
    //    sum.hi ≥ 0.99 > 2^-19).
    const double x = r.hi;
    double q = fp::kCoefficients.back();
    for (std::size_t i = fp::kCoefficients.size() - 1; i-- > 0;)
        q = fp::kCoefficients[i] + x * q;
    const double squareAndAbove = x * x * q;
    const DoubleDouble sum = dd::FastTwoSum(1.0, r.hi);
    const DoubleDouble expR = dd::FastTwoSum(sum.hi, (sum.lo + r.lo + x * r.lo) + squareAndAbove);

    // The table entry is within 2^-107 of 2^(j/256), relative, and the product
    // with it within 2^-102.68 (Multiply drops entry.lo · expR.lo).
    scale = k >> 8; // floor(k / 256), in [-1022, 1022]: see fast_power
    return dd::Multiply(kTwoToJOver256[static_cast<std::size_t>(k & 255)], expR);
}

// Whether w.hi is the correct rounding of every value within the error
// allowance of w.hi + w.lo: that is, whether that whole interval lies between
// the midpoints around w.hi. Below a power of two the next double is half as far.
bool RoundsToHigh(DoubleDouble w) {
    const auto bits = compat::bit_cast<std::uint64_t>(w.hi);
    constexpr std::uint64_t kSignificand = (std::uint64_t{1} << 52) - 1;
    const double ulp = compat::bit_cast<double>((bits & ~kSignificand) - (std::uint64_t{52} << 52));
    const double half = (bits & kSignificand) == 0 && w.lo < 0 ? ulp / 4 : ulp / 2;
    // Rounded, the sum falls below `half` only if it is below it exactly: `half`
    // is a power of two. The allowance is taken of w.hi rather than of e^t,
    // which may be larger by a factor 1 + 2^-52: fp::kErrorAllowance is proven
    // with room for that.
    return std::fabs(w.lo) + fp::kErrorAllowance * w.hi < half;
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
    if (!(estimate >= fp::kLowest && estimate <= fp::kHighest))
        return exact::Power(base, exponent); // overflow, underflow, subnormal: rare
    // t = exponent · ln|base| within fp::kExponentError, absolute
    // (tests/model/proof/exponent_product.g proves 2^-94.87): the logarithm's
    // error (2^-107 of it, 2^-96.4 here), exponent · log.lo rounded (2^-97),
    // its sum with product.lo rounded (2^-96). The product is exact: |ln|base||
    // exceeds 2^-53 for a base other than 1, so |exponent| < 709 · 2^53 < 2^63,
    // far from where Split overflows; a partial product that underflows costs
    // at most 2^-1072. The last sum is exact (|product.hi| ≥ 2^52 |product.lo|),
    // and leaves t.hi within 2^-42 of the estimate.
    const DoubleDouble product = dd::TwoProduct(exponent, log.hi);
    const DoubleDouble t = dd::FastTwoSum(product.hi, product.lo + exponent * log.lo);

    int scale = 0;
    const DoubleDouble w = ExpOfReduced(t, scale);
    if (!RoundsToHigh(w))
        return exact::Power(base, exponent);
    const double twoToScale =
        compat::bit_cast<double>(static_cast<std::uint64_t>(scale + 1023) << 52);
    const double result = w.hi * twoToScale; // exact: the result is a normal double
    return negative ? -result : result;
}

} // namespace

double PowerOf(double base, double exponent, Step step, std::optional<Abscissa> abscissa) {
    if (base < 0 && std::trunc(exponent) != exponent)
        throw RunError(ErrorKind::InvalidArgument, step, abscissa);
    const double result = CorrectlyRoundedPower(base, exponent);
    if (std::isinf(result) && std::isfinite(base) && std::isfinite(exponent))
        throw RunError(ErrorKind::Overflow, step, abscissa);
    return result;
}

} // namespace hc
