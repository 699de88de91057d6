#pragma once

#include "model/double_double.h"

#include <array>

namespace hc {

// 2^(j/256) for j = 0 … 255, each as the double nearest to it plus the double
// nearest to the rest: within 2^-107 of its value, relative (the rest is
// under half an ulp of the first, 2^-53, so its own rounding is at most
// 2^-107), the bound the power's proof takes. Written by tools/exp_table.cpp
// from MPFR, which checks that bound for every entry; the test
// exp_table_reproduced checks that this is what it writes.
extern const std::array<dd::DoubleDouble, 256> kTwoToJOver256;

} // namespace hc
