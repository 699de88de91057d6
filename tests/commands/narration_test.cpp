#include "commands/narration.h"

#include <gtest/gtest.h>

namespace hc {
namespace {

// The plot's squares on the page and the window: 667 pixels of 15 twips.
static_assert(kDrawingEdge == 10005);

TEST(NarrationTest, SaysEachBoxWrittenByItsCaptionThenWhatThePlotShows) {
    Narration narration;
    narration.Begin({22, 0, 0, 0});
    narration.Wrote(TextBox::Text8, "3,08866944394248");
    narration.Wrote(TextBox::Text5, "2,75315799291358");
    narration.Wrote(TextBox::Text8, "3,1");
    Narration::Words words = narration.End({22, 0, 0, 402});
    EXPECT_EQ(words.said, "YA Высота левой опоры: 3,1. Длина WA: 2,75315799291358. "
                          "График: оси с делениями, 402 точки.");
    EXPECT_EQ(words.plot, "График: оси с делениями, 402 точки");
    // Said once: the next press starts afresh; one that changes nothing says nothing.
    narration.Begin({22, 0, 0, 402});
    words = narration.End({22, 0, 0, 402});
    EXPECT_EQ(words.said, "");
    EXPECT_EQ(words.plot, std::nullopt);
    narration.Begin({});
    narration.Wrote(TextBox::Text1, "");
    EXPECT_EQ(narration.End({}).said, "Ордината С: пусто.");
    // What was written before a press began is not that press's.
    narration.Wrote(TextBox::Text5, "1");
    narration.Begin({});
    EXPECT_EQ(narration.End({}).said, "");
    // Buttons come into sight after the plot, once.
    narration.Begin({22, 0, 0, 402});
    narration.Shown("X^3");
    narration.Shown("Расчёты");
    EXPECT_EQ(narration.End({22, 0, 0, 0}).said,
              "График: оси с делениями. Видны кнопки: X^3, Расчёты.");
    narration.Begin({22, 0, 0, 0});
    EXPECT_EQ(narration.End({22, 0, 0, 0}).said, "");
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
