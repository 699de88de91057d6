#include "commands/narration.h"

#include "commands/control_table.h"

#include <algorithm>

namespace hc {

namespace {

// The Russian form of a noun after the number `n`: 1 точка, 2 точки, 5 точек,
// 11 точек, 21 точка.
std::string Counted(std::size_t n, std::string_view one, std::string_view few,
                    std::string_view many) {
    const std::size_t tens = n % 100;
    const std::size_t units = n % 10;
    const std::string_view form = tens >= 11 && tens <= 14   ? many
                                  : units == 1               ? one
                                  : units >= 2 && units <= 4 ? few
                                                             : many;
    return std::to_string(n) + " " + std::string(form);
}

} // namespace

void Narration::Wrote(TextBox box, std::string_view text) {
    const auto same = std::find_if(written_.begin(), written_.end(),
                                   [box](const auto& entry) { return entry.first == box; });
    if (same != written_.end())
        same->second = text;
    else
        written_.emplace_back(box, std::string(text));
}

void Narration::Shown(std::string_view button) {
    shown_.emplace_back(button);
}

void Narration::Begin(const DrawingRecord::Counts& plot) {
    before_ = plot;
    written_.clear();
    shown_.clear();
}

Narration::Words Narration::End(const DrawingRecord::Counts& plot) {
    Words words;
    for (const auto& [box, text] : written_)
        words.said += std::string(CaptionOf(box)) + ": " + (text.empty() ? "пусто" : text) + ". ";
    written_.clear();
    if (plot != before_) {
        words.plot = DescribePlot(plot);
        words.said += *words.plot + ". ";
        before_ = plot;
    }
    for (std::size_t i = 0; i < shown_.size(); ++i)
        words.said +=
            (i == 0 ? "Видны кнопки: " : ", ") + shown_[i] + (i + 1 == shown_.size() ? "." : "");
    shown_.clear();
    while (!words.said.empty() && words.said.back() == ' ')
        words.said.pop_back();
    return words;
}

std::string DescribePlot(const DrawingRecord::Counts& counts) {
    std::vector<std::string> parts;
    if (counts.lines > 0)
        parts.emplace_back("оси с делениями");
    if (counts.dots > 0)
        parts.push_back(Counted(counts.dots, "точка", "точки", "точек"));
    if (counts.circles > 0)
        parts.push_back(Counted(counts.circles, "круг", "круга", "кругов"));
    if (counts.prints > 0)
        parts.push_back(Counted(counts.prints, "надпись", "надписи", "надписей"));
    if (parts.empty())
        return "График пуст";
    std::string text = "График: ";
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? ", " : "") + parts[i];
    return text;
}

} // namespace hc
