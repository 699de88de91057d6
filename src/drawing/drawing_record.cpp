#include "drawing/drawing_record.h"

#include "model/compat.h"

#include <algorithm>

namespace hc {

void DrawingRecord::Clear() {
    entries_.clear();
}

void DrawingRecord::Add(const Line& line) {
    entries_.emplace_back(line);
}

void DrawingRecord::Add(const Circle& circle) {
    entries_.emplace_back(circle);
}

void DrawingRecord::Add(Print print) {
    entries_.emplace_back(std::move(print));
}

bool DrawingRecord::Add(Dot dot) {
    if (!(dot.x >= 0 && dot.x < edge_ && dot.y >= 0 && dot.y < edge_))
        return false;
    if (entries_.empty() || !std::holds_alternative<Dots>(entries_.back()))
        entries_.emplace_back(Dots{});
    auto& dots = std::get<Dots>(entries_.back());
    dots.at.push_back(std::uint64_t{compat::bit_cast<std::uint32_t>(dot.x)} << 32 |
                      compat::bit_cast<std::uint32_t>(dot.y));
    // Sorted again once the dots have doubled since the last time, so that a
    // plot pressed over and over keeps at most twice its dots and costs a
    // constant time a dot.
    if (dots.at.size() >= 2 * std::max<std::size_t>(dots.compacted, 4096))
        Compact();
    return true;
}

DrawingRecord::Dot DrawingRecord::Unpacked(std::uint64_t at) {
    return {compat::bit_cast<float>(static_cast<std::uint32_t>(at >> 32)),
            compat::bit_cast<float>(static_cast<std::uint32_t>(at))};
}

void DrawingRecord::Compact() {
    for (Entry& entry : entries_) {
        if (auto* dots = std::get_if<Dots>(&entry); dots && dots->compacted != dots->at.size()) {
            // Only the new dots are sorted: a press's count costs its own dots
            // and one pass over those kept, not a sort of them all.
            const auto added = dots->at.begin() + static_cast<std::ptrdiff_t>(dots->compacted);
            std::sort(added, dots->at.end());
            std::inplace_merge(dots->at.begin(), added, dots->at.end());
            dots->at.erase(std::unique(dots->at.begin(), dots->at.end()), dots->at.end());
            dots->compacted = dots->at.size();
        }
    }
}

DrawingRecord::Counts DrawingRecord::Count() {
    Compact();
    Counts counts;
    for (const Entry& entry : entries_) {
        if (std::holds_alternative<Line>(entry))
            ++counts.lines;
        else if (std::holds_alternative<Circle>(entry))
            ++counts.circles;
        else if (std::holds_alternative<Print>(entry))
            ++counts.prints;
        else
            counts.dots += std::get<Dots>(entry).at.size();
    }
    return counts;
}

} // namespace hc
