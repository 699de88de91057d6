#pragma once

namespace hc {

class DrawingSurface;
struct Sheet;

// The plot's axes and ticks in QBColor(4): the x axis along the bottom of the
// 8000 × 8000 plot area, the y axis up its middle, and ten ticks on each.
void DrawFrame(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
