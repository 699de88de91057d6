#pragma once

#include "model/text_box.h"
#include "web/drawing_record.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hc {

// What a screen reader is told after a press, in the window's own words: each
// box the press wrote, by its caption, with its new text, in the order
// written, and then what the plot shows when the press changed it.
class Narration {
  public:
    void Wrote(TextBox box, std::string_view text);
    // The press's words, and a new press begins. Empty when it changed nothing.
    std::string Take(const DrawingRecord::Counts& before, const DrawingRecord::Counts& after);

  private:
    std::vector<std::pair<TextBox, std::string>> written_;
};

// The plot's text alternative: what is on it, e.g. "График: оси с делениями,
// 402 точки".
std::string DescribePlot(const DrawingRecord::Counts& counts);

} // namespace hc
