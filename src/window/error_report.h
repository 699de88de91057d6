#pragma once

#include <string>
#include <string_view>

namespace hc {

class RunError;
struct Sheet;

// The message the window shows when a command is abandoned: in Russian, what
// went wrong and where, in words a user understands, what they can do about
// it where the worksheet tells, and that what they typed is kept. `command` is
// the caption of the button (or the window event) that ran.
std::string DescribeError(const RunError& error, std::string_view command, const Sheet& sheet);

} // namespace hc
