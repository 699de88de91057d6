#pragma once

#include <cfloat>

// Error-free transformations of IEEE double arithmetic: a sum or a product
// returned as its rounded value plus the exact rounding error. They rely on
// every + - * being one IEEE rounding to nearest, so doubles must not be held
// wider (FLT_EVAL_METHOD 0) and a * b + c must not be fused (the model library
// builds with -ffp-contract=off).
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must round to double at every step");

namespace hc::dd {

// hi + lo, with hi = RN(hi + lo): about 106 significant bits.
struct DoubleDouble {
    double hi = 0;
    double lo = 0;
};

// Knuth's TwoSum: a + b exactly, for any a and b.
constexpr DoubleDouble TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's FastTwoSum: a + b exactly, when |a| >= |b| or a is 0.
constexpr DoubleDouble FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Veltkamp's split into two halves of at most 26 bits each: |a| < 2^995.
constexpr DoubleDouble Split(double a) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double t = kSplitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// Dekker's TwoProduct: a * b exactly, when neither operand needs more than
// 2^995 and the partial products do not underflow (an underflow costs at most
// 2^-1074 absolute in the low part).
constexpr DoubleDouble TwoProduct(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// (a.hi + a.lo) * (b.hi + b.lo) to a relative error below 2^-102 when both are
// normalised: a.lo * b.lo (below 2^-106 of the product) is dropped.
constexpr DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = TwoProduct(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

} // namespace hc::dd
