#pragma once

namespace hc {

class DrawingSurface;
struct Sheet;

// The "X^3" and "X^2" buttons: the curve over −2..2 in binary32 steps of
// 0.002, added to whatever is on the surface.
void PlotCube(Sheet& sheet, DrawingSurface& surface);
void PlotSquare(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
