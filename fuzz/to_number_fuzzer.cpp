// Any text read as a number: never a crash, never a non-finite value, only
// Overflow as an error, and the value's own text reads back to the same text.
// The first byte picks the decimal separator.
#include "model/numeric.h"
#include "model/run_error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char* separator = (data[0] & 1) != 0 ? "," : ".";
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    double value = 0;
    try {
        value = hc::ToNumber(text, separator);
    } catch (const hc::RunError& error) {
        if (error.kind() != hc::ErrorKind::Overflow)
            std::abort();
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    const std::string shown = hc::ToText(value, separator);
    if (hc::ToText(hc::ToNumber(shown, separator), separator) != shown)
        std::abort();
    return 0;
}
