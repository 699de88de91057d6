#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace hc {

// Colours here are 0xRRGGBB, as both shells' own colour types write them.
using Rgb = std::uint32_t;

// The colour as drawn on this background: itself where it stands out at least
// 3 : 1 (the contrast accessibility guidance asks of graphics), otherwise the
// nearest lighter or darker shade of it that does, by WCAG 2's contrast.
Rgb Legible(Rgb colour, Rgb background);

// What each colour of a drawing becomes when the window's colours change:
// the old background and foreground take the new ones, and each line colour
// drawn (as asked for, before Legible) moves from its shade on the old
// background to its shade on the new. Pairs of (was, becomes): first the
// background's and the foreground's, then each shade that changes; a pixel
// takes the first pair it matches.
std::vector<std::pair<Rgb, Rgb>> NewShades(std::span<const Rgb> lineColours, Rgb oldBackground,
                                           Rgb newBackground, Rgb oldForeground, Rgb newForeground);

} // namespace hc
