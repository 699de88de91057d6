#pragma once

#include <array>

// The constants of the power's fast path, and the error bounds its rounding
// test stands on. tests/model/proof/ reads them from here and proves each
// bound with Sollya and Gappa from the operations of power.cpp as written: a
// constant changed here is a constant changed in the proof.
namespace hc::fast_power {

// exponent · ln|base| within which the fast path runs: e^t is then a normal
// double. ln(2^-1022) = -708.396…, ln(largest double) = 709.782….
inline constexpr double kLowest = -708;
inline constexpr double kHighest = 709;
static_assert(kLowest > -708.39 && kHighest < 709.78,
              "e^t must stay a normal double on the fast path");

// t = k·ln2/256 + r: k = round(t · 256/ln2), and ln2/256 = C1 + C2 + less than
// 2^-99, so that k·C1 is exact (C1 has 35 significant bits, |k| < 2^18).
inline constexpr double k256OverLn2 = 0x1.71547652b82fep+8;
inline constexpr double kC1 = 0x1.62e42fefcp-9;
inline constexpr double kC2 = -0x1.c610ca86c3899p-45;
// |k| stays below 2^18, so k·C1 is exact, and k / 256 (the binary exponent of
// the result) within [-1022, 1022], so 2^(k / 256) is a normal double.
static_assert(kHighest * k256OverLn2 < 0x1p18 - 1 && -kLowest * k256OverLn2 < 0x1p18 - 1);
static_assert(kLowest * k256OverLn2 - 1 > -1022 * 256 && kHighest * k256OverLn2 + 1 < 1023 * 256);

// |r| is at most ln2/512 plus the reduction's error (below 2^-37).
inline constexpr double kReducedRange = 0x1.62e43p-10;

// e^x ≈ 1 + x + x²·(c0 + x·(c1 + x·(c2 + …))), evaluated in this order.
inline constexpr std::array<double, 5> kCoefficients = {
    1.0 / 2, 1.0 / 6, 1.0 / 24, 1.0 / 120, 1.0 / 720,
};
// |e^x − that polynomial| for every |x| ≤ kReducedRange (Sollya's supnorm).
inline constexpr double kPolynomialError = 0x1p-78;

// |t − exponent · ln|base||: the logarithm's own error, and that of the
// product and sum that make t (Gappa).
inline constexpr double kExponentError = 0x1p-94;

// The relative error of w.hi + w.lo against e^t that the rounding test
// allows. Gappa proves the evaluation's error below it, with room for the
// test's own rounding, which shrinks it by at most a factor 1 − 2^-52.
inline constexpr double kErrorAllowance = 0x1p-69;

} // namespace hc::fast_power
