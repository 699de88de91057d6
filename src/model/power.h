#pragma once

#include "model/run_error.h"

#include <optional>

namespace hc {

// base raised to exponent, correctly rounded: the exact real power rounded to
// the nearest double (ties to even), subnormals included, so that every
// platform shows the same digits. Raises RunError(InvalidArgument) when no
// real result exists and RunError(Overflow) when the result is beyond the
// double range: it never returns an infinity from finite operands. The error
// names `step`, where a caller knows better what the power stands for, and
// the abscissa where the power is the catenary's at one.
double PowerOf(double base, double exponent, Step step = Step::Power,
               std::optional<Abscissa> abscissa = std::nullopt);

} // namespace hc
