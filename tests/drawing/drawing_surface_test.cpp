#include "drawing/drawing_surface.h"
#include "drawing/primer.h"
#include "model/fault_status.h"
#include "model/run_error.h"
#include "support/named_rows.h"
#include "support/raised.h"
#include "support/recording_surface.h"

#include <functional>
#include <gtest/gtest.h>

namespace hc {
namespace {

struct OperationRow {
    const char* name;
    Step step;
    std::optional<TextBox> box;
    std::function<void(DrawingSurface&)> call;
};

class SurfaceOperationTest : public testing::TestWithParam<OperationRow> {};

TEST_P(SurfaceOperationTest, ClearsTheFaultStatusAfterTheCall) {
    RecordingSurface surface;
    ClearFaults();
    fp::Div(1, 0);
    ASSERT_NE(PendingFaults(), 0U);
    GetParam().call(surface);
    EXPECT_EQ(PendingFaults(), 0U);
}

TEST_P(SurfaceOperationTest, AFailedStatusRaisesObjectCallFailedNamingTheOperation) {
    RecordingSurface surface;
    surface.failing = GetParam().step;
    ClearFaults();
    fp::Div(1, 0);
    ASSERT_NE(PendingFaults(), 0U);
    const auto error = Raised([&] { GetParam().call(surface); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::ObjectCallFailed);
    EXPECT_EQ(error->step(), GetParam().step);
    EXPECT_EQ(error->box(), GetParam().box);
    EXPECT_EQ(PendingFaults(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SurfaceOperationTest,
    testing::Values(
        OperationRow{"Cls", Step::Cls, {}, [](DrawingSurface& s) { s.Cls(); }},
        OperationRow{"Line", Step::Line, {}, [](DrawingSurface& s) { s.Line(0, 0, 1, 1, 0); }},
        OperationRow{"PSet", Step::PSet, {}, [](DrawingSurface& s) { s.PSet(1, 2); }},
        OperationRow{"Circle", Step::Circle, {}, [](DrawingSurface& s) { s.Circle(1, 2, 3, 0); }},
        OperationRow{"Width", Step::Width, {}, [](DrawingSurface& s) { s.SetWidth(7000); }},
        OperationRow{"Height", Step::Height, {}, [](DrawingSurface& s) { s.SetHeight(7000); }},
        OperationRow{"GetText6", Step::GetText, TextBox::Text6,
                     [](DrawingSurface& s) { s.Text(TextBox::Text6); }},
        OperationRow{"SetText8", Step::SetText, TextBox::Text8,
                     [](DrawingSurface& s) { s.SetText(TextBox::Text8, "1"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawingSurfaceTest, ANumberBeyondTheDoubleRangeNamesItsBox) {
    RecordingSurface surface;
    surface.texts[TextBox::Text3] = "1e400";
    const auto error = Raised([&] { surface.Number(TextBox::Text3); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::Overflow);
    EXPECT_EQ(error->step(), Step::ReadNumber);
    EXPECT_EQ(error->box(), TextBox::Text3);
}

TEST(DrawingSurfaceTest, MessagesAndPrintingHaveNoStatusButStillClearTheFaults) {
    RecordingSurface surface;
    ClearFaults();
    fp::Div(0, 0);
    ASSERT_NE(PendingFaults(), 0U);
    surface.ShowMessage("x");
    EXPECT_EQ(PendingFaults(), 0U);
    fp::Div(0, 0);
    ASSERT_NE(PendingFaults(), 0U);
    const PrintItem item = 1.0;
    surface.Print({&item, 1});
    EXPECT_EQ(PendingFaults(), 0U);
}

TEST(PaletteTest, QBColorGivesThePlatformPaletteInBgrOrder) {
    EXPECT_EQ(QBColor(0), 0x000000U);
    EXPECT_EQ(QBColor(4), 0x000080U); // dark red, RGB(128, 0, 0)
    EXPECT_EQ(QBColor(9), 0xFF0000U); // light blue
    EXPECT_EQ(QBColor(12), 0x0000FFU);
    EXPECT_EQ(QBColor(15), 0xFFFFFFU);
    EXPECT_THROW(QBColor(16), RunError);
    EXPECT_THROW(QBColor(-1), RunError);
}

TEST(PrimerTest, DrawsItsBlueCircleThenPrintsItsThreeItems) {
    RecordingSurface surface;
    Primer(surface);
    ASSERT_EQ(surface.Ops(), (std::vector<std::string>{"Circle", "Print"}));
    EXPECT_EQ(surface.calls[0].numbers, (std::vector<float>{500, 600, 300}));
    EXPECT_EQ(surface.calls[0].colour, 0xFF0000U);
    EXPECT_EQ(surface.calls[1].text, "1000 200 hhhh");
}

} // namespace
} // namespace hc
