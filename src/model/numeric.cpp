#include "model/numeric.h"

#include "model/compat.h"
#include "model/run_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace hc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
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
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !IsBlank(c); });
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
