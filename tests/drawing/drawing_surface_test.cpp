#include "drawing_surface.h"
#include "fault_status.h"
#include "named_rows.h"
#include "primer.h"
#include "recording_surface.h"
#include "run_error.h"

#include <functional>
#include <gtest/gtest.h>

namespace hc {
namespace {

struct OperationRow {
    const char* name; // the operation as the error names it
    const char* op;   // the recorded call
    std::function<void(DrawingSurface&)> call;
};

class SurfaceOperationTest : public testing::TestWithParam<OperationRow> {};

TEST_P(SurfaceOperationTest, ClearsTheFaultStatusAfterTheCall) {
    RecordingSurface surface;
    ClearFaults();
    fp::Div(1, 0);
    GetParam().call(surface);
    EXPECT_EQ(PendingFaults(), 0U);
}

TEST_P(SurfaceOperationTest, AFailedStatusRaisesObjectCallFailedNamingTheOperation) {
    RecordingSurface surface;
    surface.failing = GetParam().op;
    try {
        GetParam().call(surface);
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::ObjectCallFailed);
        EXPECT_EQ(e.operation(), GetParam().name);
    }
    EXPECT_EQ(PendingFaults(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SurfaceOperationTest,
    testing::Values(
        OperationRow{"Cls", "Cls", [](DrawingSurface& s) { s.Cls(); }},
        OperationRow{"Line", "Line", [](DrawingSurface& s) { s.Line(0, 0, 1, 1, 0); }},
        OperationRow{"PSet", "PSet", [](DrawingSurface& s) { s.PSet(1, 2); }},
        OperationRow{"Circle", "Circle", [](DrawingSurface& s) { s.Circle(1, 2, 3, 0); }},
        OperationRow{"Width", "Width", [](DrawingSurface& s) { s.SetWidth(7000); }},
        OperationRow{"Height", "Height", [](DrawingSurface& s) { s.SetHeight(7000); }},
        OperationRow{"Text6.Text", "Text", [](DrawingSurface& s) { s.Text(TextBox::Text6); }},
        OperationRow{"Text8.Text", "SetText",
                     [](DrawingSurface& s) { s.SetText(TextBox::Text8, "1"); }}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, '.');
        return name;
    });

TEST(DrawingSurfaceTest, MessagesAndPrintingHaveNoStatusButStillClearTheFaults) {
    RecordingSurface surface;
    ClearFaults();
    fp::Div(0, 0);
    surface.ShowMessage("x");
    EXPECT_EQ(PendingFaults(), 0U);
    fp::Div(0, 0);
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
