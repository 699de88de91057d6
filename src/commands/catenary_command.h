#pragma once

#include <string_view>

namespace hc {

class DrawingSurface;
struct Sheet;

inline constexpr double kMinimumC = 0.144;
inline constexpr float kChainStep = 0.005f;
inline constexpr std::string_view kMinimumCMessage =
    "Будет построен график с минимально допустимым значением C=0,144";
inline constexpr std::string_view kShortChainMessage = "Длины цепи не хватает перекрыть пролёт";

// "Построить график Морвина": reads C, XA, XB and L from their boxes, raises C
// to its minimum, shows the left support's height and the arc length to it,
// and plots the left branch from −XA to the vertex if the chain is long enough.
void CatenaryCommand(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
