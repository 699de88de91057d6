#include "command_fixture.h"
#include "drawing/demonstrations.h"
#include "model/run_error.h"
#include "support/raised.h"
#include "window/adjust_command.h"
#include "window/catenary_command.h"

#include <cmath>
#include <gtest/gtest.h>

namespace hc {
namespace {

using AdjustCommandTest = CommandTest;

TEST_F(AdjustCommandTest, AfterTheCatenaryRaisesCAndShowsTheValuesAtTheSweepsEnd) {
    surface.separator = ",";
    CatenaryCommand(sheet, surface);
    surface.calls.clear();

    AdjustCommand(sheet, surface);
    EXPECT_EQ(sheet.C, 1.4 * 1.001);
    EXPECT_DOUBLE_EQ(sheet.YA, 1.4014089133618546);
    EXPECT_NEAR(sheet.WA, 0.004998244697357956, 1e-12);
    ASSERT_EQ(surface.Ops(), (std::vector<std::string>{"Text", "SetText", "SetText", "SetText"}));
    EXPECT_EQ(surface.calls[1].box, TextBox::Text9);
    EXPECT_EQ(surface.calls[2].box, TextBox::Text1);
    EXPECT_EQ(surface.calls[3].box, TextBox::Text5);
    EXPECT_EQ(Shown(TextBox::Text1), "1,4014");
    EXPECT_EQ(Shown(TextBox::Text9), "1,40140891336185");
    EXPECT_EQ(Shown(TextBox::Text8), "3,08866944394248"); // the catenary's box stays
    EXPECT_TRUE(surface.Drawing().empty());
}

TEST_F(AdjustCommandTest, PressesRaiseCGeometricallyWhileTheChainIsLonger) {
    CatenaryCommand(sheet, surface);
    for (int press = 0; press < 3; ++press)
        AdjustCommand(sheet, surface);
    EXPECT_DOUBLE_EQ(sheet.C, 1.4 * 1.001 * 1.001 * 1.001);
}

TEST_F(AdjustCommandTest, ChainNotLongerThanTheArcChangesNothingButL) {
    CatenaryCommand(sheet, surface);
    const Sheet before = sheet;
    const auto texts = surface.texts;
    Type(TextBox::Text6, "0");
    surface.calls.clear();
    AdjustCommand(sheet, surface);
    EXPECT_EQ(sheet.L, 0);
    EXPECT_EQ(sheet.C, before.C);
    EXPECT_EQ(sheet.WA, before.WA);
    EXPECT_EQ(sheet.YA, before.YA);
    EXPECT_EQ(surface.Ops(), (std::vector<std::string>{"Text"}));
}

TEST_F(AdjustCommandTest, BeforeAnyCatenaryFailsInChainYWithCStillZero) {
    const auto error = Raised([&] { AdjustCommand(sheet, surface); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::ArithmeticFault);
    EXPECT_EQ(error->step(), Step::ChainY);
    EXPECT_EQ(sheet.C, 0);
    EXPECT_EQ(sheet.L, 3.3);
    EXPECT_EQ(Shown(TextBox::Text9), "Text9");
    EXPECT_EQ(Shown(TextBox::Text1), "1.4");
}

TEST_F(AdjustCommandTest, AfterTheSquareDemonstrationEvaluatesAtItsEnd) {
    CatenaryCommand(sheet, surface);
    PlotSquare(sheet, surface);
    ASSERT_NEAR(sheet.X, 2.0019627f, 1e-6);
    AdjustCommand(sheet, surface);
    const double c = 1.4 * 1.001;
    EXPECT_NEAR(sheet.YA, c * std::cosh(2.0019627 / c * std::log(2.7182818284)), 1e-6);
}

} // namespace
} // namespace hc
