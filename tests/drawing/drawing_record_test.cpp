#include "drawing/drawing_record.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace hc {
namespace {

using Shape = std::variant<DrawingRecord::Line, DrawingRecord::Circle, DrawingRecord::Print,
                           DrawingRecord::Dot>;

std::vector<std::string> Replayed(DrawingRecord& record) {
    std::vector<std::string> shapes;
    record.Replay([&](const auto& shape) {
        using Kind = std::decay_t<decltype(shape)>;
        if constexpr (std::is_same_v<Kind, DrawingRecord::Line>)
            shapes.push_back("line " + std::to_string(shape.x1) + " " +
                             std::to_string(shape.colour));
        else if constexpr (std::is_same_v<Kind, DrawingRecord::Circle>)
            shapes.push_back("circle " + std::to_string(shape.radius));
        else if constexpr (std::is_same_v<Kind, DrawingRecord::Print>)
            shapes.push_back("print " + shape.line);
        else
            shapes.push_back("dot " + std::to_string(shape.x) + " " + std::to_string(shape.y));
    });
    return shapes;
}

// What the page draws again on a new canvas: every shape in its order, each
// dot once, even after the same plot a thousand times.
TEST(DrawingRecordTest, KeepsEveryShapeInOrderAndEachDotOnce) {
    DrawingRecord record(10005);
    record.Add(DrawingRecord::Line{0, 8000, 8000, 8000, 0x800000});
    for (int press = 0; press < 1000; ++press) {
        record.Add(DrawingRecord::Dot{2400, 5529.06f});
        record.Add(DrawingRecord::Dot{2400.5f, 5529.06f});
    }
    record.Add(DrawingRecord::Circle{500, 600, 300, 0x0000FF});
    record.Add(DrawingRecord::Print{"hhhh"});
    record.Add(DrawingRecord::Dot{1, 2});
    EXPECT_EQ(Replayed(record),
              (std::vector<std::string>{"line 0.000000 8388608", "dot 2400.000000 5529.060059",
                                        "dot 2400.500000 5529.060059", "circle 300.000000",
                                        "print hhhh", "dot 1.000000 2.000000"}));
    EXPECT_EQ(record.Count(), (DrawingRecord::Counts{1, 1, 1, 3}));
    record.Clear();
    EXPECT_TRUE(Replayed(record).empty());
    EXPECT_EQ(record.Count(), DrawingRecord::Counts{});
}

// The square is the page's canvas, 667 pixels of 15 twips: a dot beyond it,
// or no number at all, is neither kept nor counted.
TEST(DrawingRecordTest, KeepsOnlyTheDotsInItsSquare) {
    struct Row {
        float x, y;
        bool kept;
    };
    const Row rows[] = {
        {0, 0, true},
        {10004.999f, 10004.999f, true},
        {10005, 4000, false},
        {4000, 10005, false},
        {-0.001f, 4000, false},
        {4000, -0.001f, false},
        {__builtin_nanf(""), 0, false},
        {0, __builtin_inff(), false},
    };
    DrawingRecord record(10005);
    std::size_t kept = 0;
    for (const Row& row : rows) {
        EXPECT_EQ(record.Add(DrawingRecord::Dot{row.x, row.y}), row.kept) << row.x << ", " << row.y;
        kept += row.kept ? 1 : 0;
    }
    EXPECT_EQ(record.Count().dots, kept);
}

// A long run of new dots keeps them all: the compaction drops repeats only.
TEST(DrawingRecordTest, KeepsAHundredThousandDistinctDots) {
    DrawingRecord record(10005);
    for (int i = 0; i < 100000; ++i)
        record.Add(DrawingRecord::Dot{static_cast<float>(i % 1000), static_cast<float>(i / 1000)});
    for (int i = 0; i < 100000; ++i)
        record.Add(DrawingRecord::Dot{static_cast<float>(i % 1000), static_cast<float>(i / 1000)});
    EXPECT_EQ(record.Count().dots, 100000U);
}

} // namespace
} // namespace hc
