#include "command_fixture.h"
#include "commands/catenary_command.h"
#include "commands/window_handlers.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace hc {
namespace {

using WindowHandlersTest = CommandTest;

TEST_F(WindowHandlersTest, ActivationSizesTheWindowThenDrawsTheFrame) {
    Sheet fresh;
    ActivateHandler(fresh, surface);
    const auto ops = surface.Ops();
    ASSERT_EQ(ops.size(), 24U);
    EXPECT_EQ(surface.calls[0].op, "Width");
    EXPECT_EQ(surface.calls[0].numbers, (std::vector<float>{7000}));
    EXPECT_EQ(surface.calls[1].op, "Height");
    EXPECT_EQ(surface.calls[1].numbers, (std::vector<float>{10000}));
    EXPECT_EQ(surface.Lines().size(), 22U);
    EXPECT_EQ(fresh.E, 2.7182818284);
    EXPECT_EQ(fresh.PlotW, 8000);
}

TEST_F(WindowHandlersTest, ClearAfterAPlotLeavesTheFrameWidensTheWindowAndKeepsTheSheet) {
    CatenaryCommand(sheet, surface);
    const Sheet before = sheet;
    ClearCommand(sheet, surface);

    const auto drawing = surface.Drawing();
    ASSERT_EQ(drawing.size(), 22U);
    for (const auto& call : drawing)
        EXPECT_EQ(call.op, "Line");
    const auto ops = surface.Ops();
    const auto width = std::find(ops.begin(), ops.end(), "Width") - ops.begin();
    EXPECT_EQ(surface.calls[width].numbers, (std::vector<float>{10000}));
    EXPECT_EQ(sheet.C, before.C);
    EXPECT_EQ(sheet.X, before.X);
    EXPECT_EQ(sheet.WA, before.WA);
    EXPECT_EQ(Shown(TextBox::Text8), "3.08866944394248");
}

} // namespace
} // namespace hc
