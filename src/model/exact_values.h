#pragma once

#include "model/double_double.h"

// Values computed by GNU MPFR and rounded once: the power itself where the
// fast evaluation cannot decide its rounding, and the logarithm of its base.
// Slow (microseconds a call), but exact.
namespace hc::exact {

// base^exponent correctly rounded to nearest (ties to even), subnormal results
// included; ±infinity beyond the double range, as IEEE rounding gives it.
// For finite operands with a real result.
double Power(double base, double exponent);

// ln(x) for a finite x > 0, to a relative error below 2^-105.
dd::DoubleDouble Log(double x);

} // namespace hc::exact
