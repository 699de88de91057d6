#pragma once

#include "drawing/legible.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace hc {

// What has been drawn since the surface was last cleared, in twips and in the
// colours asked for: what a screen reader is told the plot shows (Count), and
// what the page draws again when its canvas is made anew, at another width (a
// rotation, a narrow screen), another ratio (a zoom) or in another theme. A
// canvas cannot be scaled without losing dots or blurring them; drawn again,
// every dot is a whole one of the new size.
//
// Dots are kept once each: a plot pressed again adds none. Only those in the
// square from (0, 0) to the edge are kept: one beyond it is drawn nowhere,
// and a long press sets millions of them.
class DrawingRecord {
  public:
    explicit DrawingRecord(float edge)
        : edge_(edge) {}

    struct Line {
        float x1, y1, x2, y2;
        Rgb colour;
    };
    struct Circle {
        float x, y, radius;
        Rgb colour;
    };
    struct Print {
        std::string line;
    };
    struct Dot {
        float x, y;
    };

    void Clear();
    void Add(const Line& line);
    void Add(const Circle& circle);
    void Add(Print print);
    // Whether the dot is kept: false beyond the edge.
    bool Add(Dot dot);

    // How many of each are kept, each dot once.
    struct Counts {
        std::size_t lines = 0;
        std::size_t circles = 0;
        std::size_t prints = 0;
        std::size_t dots = 0;
        bool operator==(const Counts&) const = default;
    };
    Counts Count();

    // Calls `draw` with every line, circle, print and dot in the order drawn;
    // the dots between two other shapes in any order, each once.
    template <class Draw> void Replay(Draw&& draw) {
        Compact();
        for (const Entry& entry : entries_) {
            if (const auto* dots = std::get_if<Dots>(&entry)) {
                for (const std::uint64_t at : dots->at)
                    draw(Unpacked(at));
            } else {
                std::visit(
                    [&](const auto& shape) {
                        if constexpr (!std::is_same_v<std::decay_t<decltype(shape)>, Dots>)
                            draw(shape);
                    },
                    entry);
            }
        }
    }

  private:
    // Dots as the bit patterns of their two binary32 coordinates: equal
    // patterns are the same dot.
    struct Dots {
        std::vector<std::uint64_t> at;
        std::size_t compacted = 0; // how many at the front are sorted and once each
    };
    using Entry = std::variant<Line, Circle, Print, Dots>;

    static Dot Unpacked(std::uint64_t at);
    void Compact();

    float edge_; // twips
    std::vector<Entry> entries_;
};

} // namespace hc
