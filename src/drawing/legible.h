#pragma once

#include "drawing/drawing_surface.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace hc {

// Colours here are 0xRRGGBB, as both shells' own colour types write them.
using Rgb = std::uint32_t;

// A colour of the window platform's (0x00BBGGRR) as 0xRRGGBB.
constexpr Rgb RgbOf(Colour colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

// The colour as drawn on this background: itself where it stands out at least
// 3 : 1 (the contrast accessibility guidance asks of graphics), otherwise the
// nearest lighter or darker shade of it that does, by WCAG 2's contrast.
Rgb Legible(Rgb colour, Rgb background);

// The colours of a drawing on its window: the window's background and
// foreground, and each line in the legible shade of its colour, remembered so
// that a new theme can move every pixel to its new colour. One per canvas.
class DrawingColours {
  public:
    DrawingColours(Rgb background, Rgb foreground);

    Rgb background() const { return background_; }
    Rgb foreground() const { return foreground_; }
    // The shade a line asked for in `colour` is drawn in.
    Rgb Line(Rgb colour);
    // The window's new colours. Returns what each colour drawn so far becomes:
    // the old background and foreground the new ones, and each line's shade on
    // the old background its shade on the new. Pairs of (was, becomes), first
    // the background's and the foreground's, then each shade that changes; a
    // pixel takes the first pair it matches.
    std::vector<std::pair<Rgb, Rgb>> Change(Rgb background, Rgb foreground);

  private:
    Rgb background_;
    Rgb foreground_;
    std::vector<Rgb> lines_; // as asked for, before Legible
};

} // namespace hc
