#pragma once

#include "commands/window_handlers.h"
#include "drawing/drawing_record.h"
#include "model/text_box.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hc {

// Twips to the pixel at 96 pixels to the inch, and the edge of the square
// the drawing is kept, counted and described in: the window at its widest,
// in whole such pixels.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kDrawingPixels = (kClearedWidth + kTwipsPerPixel - 1) / kTwipsPerPixel;
inline constexpr float kDrawingEdge = kDrawingPixels * kTwipsPerPixel;

// What a screen reader is told after a press, in the window's own words: each
// box the press wrote, by its caption, with its new text, in the order
// written, and then what the plot shows when the press changed it. Both
// shells say the same words.
class Narration {
  public:
    // A press begins, the plot showing `plot`.
    void Begin(const DrawingRecord::Counts& plot);
    void Wrote(TextBox box, std::string_view text);
    // A button came into sight: the page's narrow layout shows the window's
    // buttons beyond its edge only once the window is widened.
    void Shown(std::string_view button);

    struct Words {
        std::string said;                // empty when the press changed nothing
        std::optional<std::string> plot; // the plot's new text alternative, if it changed
    };
    // The press is over, the plot showing `plot`.
    Words End(const DrawingRecord::Counts& plot);

  private:
    DrawingRecord::Counts before_;
    std::vector<std::pair<TextBox, std::string>> written_;
    std::vector<std::string> shown_;
};

// The plot's text alternative: what is on it, e.g. "График: оси с делениями,
// 402 точки".
std::string DescribePlot(const DrawingRecord::Counts& counts);

} // namespace hc
