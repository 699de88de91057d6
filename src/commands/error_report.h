#pragma once

#include <string>
#include <string_view>

namespace hc {

class RunError;

// The message the window shows when a command is abandoned: in Russian, what
// went wrong and where, in words a user understands, what they can do about
// it where the error tells why, and that what they typed is kept. `command`
// is the caption of the button (or the window event) that ran; numbers in
// the advice are written as the text boxes write them, with
// `decimalSeparator`, so that they can be typed back.
std::string DescribeError(const RunError& error, std::string_view command,
                          std::string_view decimalSeparator);

} // namespace hc
