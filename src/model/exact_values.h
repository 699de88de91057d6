#pragma once

#include "model/double_double.h"

#include <array>

// Values computed by GNU MPFR and rounded once: the power itself where the
// fast evaluation cannot decide its rounding, and the constants that
// evaluation is built from. Slow (microseconds a call), but exact.
namespace hc::exact {

// base^exponent correctly rounded to nearest (ties to even), subnormal results
// included; ±infinity beyond the double range, as IEEE rounding gives it.
// For finite operands with a real result.
double Power(double base, double exponent);

// ln(x) for a finite x > 0, to a relative error below 2^-105.
dd::DoubleDouble Log(double x);

struct ExpTables {
    dd::DoubleDouble ln2By64;                 // ln(2) / 64
    std::array<dd::DoubleDouble, 64> twoTo{}; // 2^(j/64), j = 0..63
};

// Each value within 2^-105 of its own magnitude; made on first use.
const ExpTables& Tables();

} // namespace hc::exact
