#include "web/drawing_record.h"
#include "web/narration.h"

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
    DrawingRecord record;
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

// A long run of new dots keeps them all: the compaction drops repeats only.
TEST(DrawingRecordTest, KeepsAHundredThousandDistinctDots) {
    DrawingRecord record;
    for (int i = 0; i < 100000; ++i)
        record.Add(DrawingRecord::Dot{static_cast<float>(i % 1000), static_cast<float>(i / 1000)});
    for (int i = 0; i < 100000; ++i)
        record.Add(DrawingRecord::Dot{static_cast<float>(i % 1000), static_cast<float>(i / 1000)});
    EXPECT_EQ(record.Count().dots, 100000U);
}

TEST(NarrationTest, SaysEachBoxWrittenByItsCaptionThenWhatThePlotShows) {
    Narration narration;
    narration.Wrote(TextBox::Text8, "3,08866944394248");
    narration.Wrote(TextBox::Text5, "2,75315799291358");
    narration.Wrote(TextBox::Text8, "3,1");
    EXPECT_EQ(narration.Take({41, 0, 0, 0}, {41, 0, 0, 402}),
              "YA Высота левой опоры: 3,1. Длина WA: 2,75315799291358. "
              "График: оси с делениями, 402 точки.");
    // Said once: the next press starts afresh; one that changes nothing says nothing.
    EXPECT_EQ(narration.Take({41, 0, 0, 402}, {41, 0, 0, 402}), "");
    narration.Wrote(TextBox::Text1, "");
    EXPECT_EQ(narration.Take({}, {}), "Ордината С: пусто.");
}

TEST(NarrationTest, DescribesThePlotWithRussianNumberForms) {
    EXPECT_EQ(DescribePlot({}), "График пуст");
    EXPECT_EQ(DescribePlot({41, 0, 0, 0}), "График: оси с делениями");
    EXPECT_EQ(DescribePlot({41, 0, 0, 1}), "График: оси с делениями, 1 точка");
    EXPECT_EQ(DescribePlot({41, 0, 0, 2001}), "График: оси с делениями, 2001 точка");
    EXPECT_EQ(DescribePlot({41, 0, 0, 1680}), "График: оси с делениями, 1680 точек");
    EXPECT_EQ(DescribePlot({41, 0, 0, 12}), "График: оси с делениями, 12 точек");
    EXPECT_EQ(DescribePlot({41, 0, 0, 113}), "График: оси с делениями, 113 точек");
    EXPECT_EQ(DescribePlot({41, 0, 0, 24}), "График: оси с делениями, 24 точки");
    EXPECT_EQ(DescribePlot({0, 1, 1, 0}), "График: 1 круг, 1 надпись");
    EXPECT_EQ(DescribePlot({0, 3, 5, 0}), "График: 3 круга, 5 надписей");
}

} // namespace
} // namespace hc
