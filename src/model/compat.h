#pragma once

// What the standard library of the WebAssembly build (Debian's emscripten
// 3.1.6, with libc++ 14) lacks of C++20, in this one place: std::bit_cast,
// and std::to_chars and std::from_chars for doubles. Where the library has
// them, as every desktop build's does, these are the standard's own.
#include <bit>
#include <charconv>

namespace hc::compat {

#if defined(__cpp_lib_bit_cast)
using std::bit_cast;
#else
template <typename To, typename From> constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}
#endif

// std::to_chars(first, last, value, std::chars_format::general, precision).
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision);
// std::from_chars(first, last, value): the number is "digits[.digits][e[-]digits]".
std::from_chars_result FromChars(const char* first, const char* last, double& value);

#if defined(__cpp_lib_to_chars)
inline std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision) {
    return std::to_chars(first, last, value, std::chars_format::general, precision);
}
inline std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}
#endif

} // namespace hc::compat
