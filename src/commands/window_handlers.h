#pragma once

#include <string_view>

namespace hc {

class DrawingSurface;
struct Sheet;

// What a report calls the activation, which no button runs.
inline constexpr std::string_view kActivationCaption = "открытие окна";

// On the window's first activation: size it, set the plot constants, draw the frame.
void ActivateHandler(Sheet& sheet, DrawingSurface& surface);

// "Очистить": wipe the drawing, widen the window so that the right-hand
// controls show, and redraw the frame. Texts and the other fields stay.
void ClearCommand(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
