// Any finite double written by ToText reads back through ToNumber to the same
// fifteen significant digits. The first byte picks the decimal separator, the
// next eight are the double.
#include "model/numeric.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9)
        return 0;
    const char* separator = (data[0] & 1) != 0 ? "," : ".";
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const std::string text = hc::ToText(value, separator);
    const double back = hc::ToNumber(text, separator);
    if (hc::ToText(back, separator) != text)
        std::abort();
    // Subnormals carry fewer than fifteen digits of their own.
    if (std::fabs(value) >= DBL_MIN && std::fabs(back - value) > std::fabs(value) * 5.1e-15)
        std::abort();
    return 0;
}
