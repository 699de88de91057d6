#include "model/compat.h"

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace hc::compat {

// The standard defines both as printf's %.*g and strtod in the "C" locale,
// which is the only locale there is where this is compiled (musl in
// WebAssembly); musl rounds both correctly, as the standard's own do.
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision) {
    const int length =
        std::snprintf(first, static_cast<std::size_t>(last - first), "%.*g", precision, value);
    if (length < 0 || length >= last - first)
        return {last, std::errc::value_too_large};
    return {first + length, std::errc{}};
}

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    const std::string text(first, last); // strtod needs a terminated string
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const char* stop = first + (end - text.c_str());
    if (stop == first)
        return {first, std::errc::invalid_argument};
    // Like the standard's, only a value that rounds to zero or beyond the
    // range is out of it, and leaves `value` as it was; a subnormal is read.
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return {stop, std::errc::result_out_of_range};
    value = read;
    return {stop, std::errc{}};
}

} // namespace hc::compat
#endif
