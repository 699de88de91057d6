#pragma once

namespace hc {

class DrawingSurface;
struct Sheet;

inline constexpr double kGrowth = 1.001;

// "Считать": one step of the manual search. While the chain length in Text6
// exceeds the last arc length, C grows by 0.1 % and the ordinate, C and the
// arc length at the current X are shown again.
void AdjustCommand(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
