#include "model/numeric.h"

#include "model/compat.h"
#include "model/run_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>

namespace hc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The zero of every run of decimal digits in Unicode 15.0 (general category
// Nd, which Debian 12's Unicode data has): each run is the ten digits 0 to 9
// at consecutive code points, so its zero says all of it.
constexpr std::array<char32_t, 68> kDigitZeros = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

// The value of a decimal digit of any script, or -1.
int DigitValue(char32_t c) {
    const auto after = std::upper_bound(kDigitZeros.begin(), kDigitZeros.end(), c);
    if (after == kDigitZeros.begin())
        return -1;
    const char32_t offset = c - *(after - 1);
    return offset < 10 ? static_cast<int>(offset) : -1;
}

// Blanks are ignored anywhere: the ASCII ones, and the two no-break spaces
// that a number formatted for Russian or French carries between its thousands.
bool IsBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == 0x00A0 || c == 0x202F;
}

// The code point of the UTF-8 sequence at the start of `text`, and its
// length; a byte that does not start a well-formed sequence stands for itself.
std::pair<char32_t, std::size_t> Decode(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0xC2   ? 1
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 1;
    if (length == 1 || text.size() < length)
        return {lead, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {lead, 1};
        c = c << 6 | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not characters.
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return {lead, 1};
    return {c, length};
}

// The text without its blanks, every decimal digit as its ASCII digit; the
// rest, a multi-byte decimal separator among it, byte for byte.
std::string Compact(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    while (!text.empty()) {
        const auto [c, length] = Decode(text);
        if (const int digit = DigitValue(c); digit >= 0)
            compact += static_cast<char>('0' + digit);
        else if (!IsBlank(c))
            compact += text.substr(0, length);
        text.remove_prefix(length);
    }
    return compact;
}

// The leading number of a text, taken apart into ASCII pieces for from_chars.
struct LeadingNumber {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    bool exponentNegative = false;
    std::string exponentDigits;
};

LeadingNumber Scan(std::string_view text, std::string_view decimalSeparator) {
    LeadingNumber number;
    std::size_t pos = 0;
    const auto atSeparator = [&] {
        if (text.substr(pos, 1) == ".")
            return std::size_t{1};
        if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator))
            return decimalSeparator.size();
        return std::size_t{0};
    };

    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        number.negative = text[pos++] == '-';
    while (pos < text.size() && IsDigit(text[pos]))
        number.integerDigits += text[pos++];
    if (const std::size_t width = atSeparator(); width > 0) {
        pos += width;
        while (pos < text.size() && IsDigit(text[pos]))
            number.fractionDigits += text[pos++];
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty())
        return number;

    // An exponent counts only with at least one digit: "2e" and "2e+" read as 2.
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        std::size_t p = pos + 1;
        bool negative = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-'))
            negative = text[p++] == '-';
        std::string digits;
        while (p < text.size() && IsDigit(text[p]))
            digits += text[p++];
        if (!digits.empty()) {
            number.exponentNegative = negative;
            number.exponentDigits = std::move(digits);
        }
    }
    return number;
}

// The decimal exponent of the leading significant digit, saturated: enough to
// tell an overflow from an underflow when from_chars reports out of range.
std::int64_t Magnitude(const LeadingNumber& number) {
    std::int64_t exponent = 0;
    for (char c : number.exponentDigits)
        exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
    if (number.exponentNegative)
        exponent = -exponent;
    const auto firstNonZero = number.integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string::npos)
        return exponent + static_cast<std::int64_t>(number.integerDigits.size() - firstNonZero);
    const auto leadingZeros = number.fractionDigits.find_first_not_of('0');
    if (leadingZeros == std::string::npos)
        return exponent;
    return exponent - static_cast<std::int64_t>(leadingZeros);
}

} // namespace

double ToNumber(std::string_view text, std::string_view decimalSeparator) {
    const std::string compact = Compact(text);
    if (decimalSeparator == ".")
        decimalSeparator = {};

    const LeadingNumber number = Scan(compact, decimalSeparator);
    if (number.integerDigits.empty() && number.fractionDigits.empty())
        return 0;

    std::string ascii = number.integerDigits.empty() ? "0" : number.integerDigits;
    if (!number.fractionDigits.empty())
        ascii += "." + number.fractionDigits;
    if (!number.exponentDigits.empty())
        ascii += (number.exponentNegative ? "e-" : "e") + number.exponentDigits;

    double value = 0;
    const auto [end, ec] = compat::FromChars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (Magnitude(number) > 0)
            throw RunError(ErrorKind::Overflow, Step::ReadNumber);
        value = 0;
    }
    return number.negative ? -value : value;
}

std::string ToText(double value, std::string_view decimalSeparator) {
    if (value == 0)
        return "0"; // also for -0, which is not a negative value
    // Rounded to fifteen digits, the largest doubles would read back as beyond
    // the double range; they are written as the largest fifteen-digit number below.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (std::fabs(value) > kLargestFifteenDigits && std::isfinite(value))
        value = std::copysign(kLargestFifteenDigits, value);
    std::array<char, 64> buffer{};
    const auto result =
        compat::ToCharsGeneral(buffer.data(), buffer.data() + buffer.size(), value, 15);
    const std::string_view digits(buffer.data(),
                                  static_cast<std::size_t>(result.ptr - buffer.data()));

    std::string text;
    for (char c : digits) {
        if (c == '.')
            text += decimalSeparator;
        else if (c == 'e')
            text += 'E';
        else
            text += c;
    }
    return text;
}

} // namespace hc
