#pragma once

#include <string_view>

namespace hc {

class DrawingSurface;
struct Sheet;

// What a report calls the activation, which no button runs.
inline constexpr std::string_view kActivationCaption = "открытие окна";

// The window's size in twips once activated, and its width once cleared: the
// widest it becomes, which the drawing's surface covers.
inline constexpr int kActivatedWidth = 7000;
inline constexpr int kClearedWidth = 10000;
inline constexpr int kWindowHeight = 10000;

// On the window's first activation: size it, set the plot constants, draw the frame.
void ActivateHandler(Sheet& sheet, DrawingSurface& surface);

// "Очистить": wipe the drawing, widen the window so that the right-hand
// controls show, and redraw the frame. Texts and the other fields stay.
void ClearCommand(Sheet& sheet, DrawingSurface& surface);

} // namespace hc
