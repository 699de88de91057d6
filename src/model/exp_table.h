#pragma once

#include "model/double_double.h"

#include <array>

namespace hc {

// 2^(j/256) for j = 0 … 255, each as the double nearest to it plus the double
// nearest to the rest: within 2^-106 of its value. Computed with MPFR at 200
// bits; tests/model/power_oracle_test.cpp checks every entry against MPFR.
extern const std::array<dd::DoubleDouble, 256> kTwoToJOver256;

} // namespace hc
