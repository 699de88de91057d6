#pragma once

#include <cstdint>

namespace hc {

// Integer steps that raise RunError(Overflow) instead of wrapping.
std::int16_t Increment16(std::int16_t value);
std::int32_t Multiply32(std::int32_t a, std::int32_t b);
// Nearest integer, ties to even; NaN and values outside the 32-bit range raise.
std::int32_t RoundToInt32(double value);

} // namespace hc
