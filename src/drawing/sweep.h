#pragma once

#include <functional>

namespace hc {

class DrawingSurface;
struct Sheet;

// A curve of the sheet's abscissa X: Cube, Square or the catenary.
using Curve = std::function<double(float)>;

// Sets a dot at (PlotW/2 + x·K, PlotH − f(x)·K) for each x of the stepped
// loop from start to end, all binary32, leaving X at the first value beyond end.
void Sweep(Sheet& sheet, DrawingSurface& surface, const Curve& f, float start, float end,
           float step);

} // namespace hc
