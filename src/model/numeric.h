#pragma once

#include "model/run_error.h"

#include <string>
#include <string_view>

namespace hc {

// Reads the number at the start of a text box's text, in UTF-8. Blanks, tabs,
// line feeds and the no-break spaces U+00A0 and U+202F anywhere are ignored;
// then an optional sign, digits, one decimal separator and an optional
// exponent (E or D) are read, and whatever follows is ignored. Text that does
// not start with a number reads as 0. A digit is a decimal digit of any script
// ("٣", "३", the full-width "３"), read as its value.
//
// "." is always a decimal separator. So is `decimalSeparator`, the one ToText
// writes for the user's locale, so that the program reads back its own output
// ("1,4014" under a decimal-comma locale). Any other character ends the number.
//
// A number beyond the double range raises RunError(Overflow); one too small for
// it reads as zero.
double ToNumber(std::string_view text, std::string_view decimalSeparator = ".");

// Writes a double as a text box shows it: at most 15 significant digits,
// trailing zeros dropped, positional for magnitudes from 0.0001 up to below
// 1e15 and as "1,5E-05" / "1E+15" outside, with `decimalSeparator` as the
// decimal mark.
std::string ToText(double value, std::string_view decimalSeparator = ".");

} // namespace hc
