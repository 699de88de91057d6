#pragma once

namespace hc {

class DrawingSurface;
struct Sheet;

// On the window's first activation: size it, set the plot constants, draw the frame.
void ActivateHandler(Sheet& sheet, DrawingSurface& surface);

// "Очистить": wipe the drawing, widen the window so that the right-hand
// controls show, and redraw the frame. Texts and the other fields stay.
void ClearCommand(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
