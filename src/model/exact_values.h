#pragma once

#include "model/double_double.h"

#include <cstdint>

// Values computed by GNU MPFR and rounded once: the power itself where the
// fast evaluation cannot decide its rounding, and the logarithm of its base.
// Slow (microseconds a call), but exact.
namespace hc::exact {

// base^exponent correctly rounded to nearest (ties to even), subnormal results
// included; ±infinity beyond the double range, as IEEE rounding gives it.
// For finite operands with a real result.
double Power(double base, double exponent);

// How many powers Power has computed on this thread: the fast path should
// leave it almost nothing to do, and a test counts on that.
std::uint64_t PowerCount();

// ln(x) for a finite x > 0, to a relative error below 2^-106.9: MPFR's
// 128-bit logarithm (2^-128) split into two doubles (2^-107);
// tests/model/proof/exponent_product.g proves it.
dd::DoubleDouble Log(double x);

} // namespace hc::exact
