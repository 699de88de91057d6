#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hc {

class DrawingSurface;
struct Sheet;

// What a click or the window's activation runs.
using Handler = void (*)(Sheet&, DrawingSurface&);

// Runs the handler from a clean floating-point status, as every handler
// starts, even after one that was abandoned. When it is abandoned, returns
// the report for the user (DescribeError, with `command` the caption of what
// ran); an exception that is no error of the program's passes through.
std::optional<std::string> RunCommand(Handler handler, Sheet& sheet, DrawingSurface& surface,
                                      std::string_view command);

} // namespace hc
