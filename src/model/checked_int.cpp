#include "model/checked_int.h"

#include "model/run_error.h"

#include <cmath>
#include <limits>

namespace hc {

std::int16_t Increment16(std::int16_t value) {
    if (value == std::numeric_limits<std::int16_t>::max())
        throw RunError(ErrorKind::Overflow, Step::TickCounter);
    return static_cast<std::int16_t>(value + 1);
}

std::int32_t Multiply32(std::int32_t a, std::int32_t b) {
    const std::int64_t product = std::int64_t{a} * b;
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max())
        throw RunError(ErrorKind::Overflow, Step::Product32);
    return static_cast<std::int32_t>(product);
}

std::int32_t RoundToInt32(double value) {
    // The program never changes the rounding mode, so nearbyint rounds half to even.
    const double rounded = std::nearbyint(value);
    // Written so that NaN fails too, before any conversion could be undefined.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RunError(ErrorKind::Overflow, Step::ToInt32);
    return static_cast<std::int32_t>(rounded);
}

} // namespace hc
