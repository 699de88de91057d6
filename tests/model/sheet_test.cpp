#include "model/compat.h"
#include "model/fault_status.h"
#include "model/run_error.h"
#include "model/sheet.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

namespace hc {
namespace {

Sheet SheetWithC(double c) {
    Sheet sheet;
    ResetSheet(sheet);
    sheet.C = c;
    return sheet;
}

TEST(SheetTest, StartsAtZeroAndResetSetsOnlyThePlotConstants) {
    Sheet sheet;
    EXPECT_EQ(sheet.E, 0);
    EXPECT_EQ(sheet.PlotW, 0);
    EXPECT_EQ(sheet.X, 0);
    EXPECT_EQ(sheet.I, 0);
    sheet.C = 1.4;
    sheet.X = 0.0049982f;
    sheet.K = 800;
    ResetSheet(sheet);
    EXPECT_EQ(compat::bit_cast<std::uint64_t>(sheet.E), 0x4005BF0A8B12500BU);
    EXPECT_EQ(compat::bit_cast<std::uint64_t>(sheet.PlotW), 0x40BF400000000000U);
    EXPECT_EQ(compat::bit_cast<std::uint64_t>(sheet.PlotH), 0x40BF400000000000U);
    EXPECT_EQ(sheet.C, 1.4);
    EXPECT_EQ(sheet.X, 0.0049982f);
    EXPECT_EQ(sheet.K, 800);
}

struct CurveRow {
    const char* name;
    double c;
    float x;
    double y;
    double arcLength; // 0 where not checked
};

class ChainYTest : public testing::TestWithParam<CurveRow> {};

TEST_P(ChainYTest, MatchesTheCatenaryWithTheTenDecimalBase) {
    const auto& row = GetParam();
    ClearFaults();
    const Sheet sheet = SheetWithC(row.c);
    const double y = ChainY(sheet, row.x);
    EXPECT_EQ(y, row.y);
    if (row.arcLength != 0) {
        EXPECT_EQ(ArcLength(sheet, y), row.arcLength);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChainYTest,
    // Each operation rounded to double, the powers correctly rounded: the
    // digits every platform shows.
    testing::Values(CurveRow{"LeftSupport", 1.4, 2, 0x1.8b598534f197dp1, 0x1.60677b2a24753p1},
                    CurveRow{"RightSupport", 1.4, 2.5f, 0x1.12b1202a96b65p2, 0x1.03ab0311b193fp2},
                    CurveRow{"Symmetric", 1.4, -2, 0x1.8b598534f197dp1, 0x1.60677b2a24753p1},
                    CurveRow{"MinimumC", 0.144, 2, 0x1.2ea9e82a0bd61p16, 0}), // about 77481.9
    [](const auto& info) { return info.param.name; });

TEST(ChainYTest, VertexIsExactlyC) {
    for (double c : {0.144, 1.4, 1e10}) {
        EXPECT_EQ(ChainY(SheetWithC(c), 0), c);
    }
}

TEST(ChainYTest, DiffersFromTheTrueCatenaryBecauseOfTheShortBase) {
    // With e itself the ordinate would be 3.0886694440279...
    EXPECT_LT(ChainY(SheetWithC(1.4), 2), 3.08866944402);
}

struct FailureRow {
    const char* name;
    std::function<void()> call;
    ErrorKind kind;
    unsigned flags; // the fault status when the error was raised
};

class CurveFailureTest : public testing::TestWithParam<FailureRow> {};

TEST_P(CurveFailureTest, RaisesTheKindAtItsStep) {
    ClearFaults();
    const auto error = Raised(GetParam().call);
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), GetParam().kind) << error->what();
    EXPECT_EQ(PendingFaults(), GetParam().flags);
    ClearFaults();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CurveFailureTest,
    testing::Values(FailureRow{"ZeroCAtNonZeroX", [] { ChainY(SheetWithC(0), 2); },
                               ErrorKind::ArithmeticFault, kDivisionByZero},
                    FailureRow{"ZeroCAtVertex", [] { ChainY(SheetWithC(0), 0); },
                               ErrorKind::ArithmeticFault, kInvalidOperation},
                    FailureRow{"PendingStoreOverflow",
                               [] {
                                   const float x = fp::ToSingle(1e39);
                                   ChainY(SheetWithC(1.4), x);
                               },
                               ErrorKind::ArithmeticFault, kFloatOverflow},
                    FailureRow{"PowerBeyondRangeLeft", [] { ChainY(SheetWithC(1), -710); },
                               ErrorKind::Overflow, 0},
                    FailureRow{"PowerBeyondRangeRight", [] { ChainY(SheetWithC(1), 710); },
                               ErrorKind::Overflow, 0},
                    FailureRow{"ArcOfHugeOrdinate", [] { ArcLength(SheetWithC(1), 1.4e154); },
                               ErrorKind::Overflow, 0},
                    FailureRow{"ArcBelowTheVertex", [] { ArcLength(SheetWithC(1.4), 1.3); },
                               ErrorKind::InvalidArgument, 0},
                    FailureRow{"AsdConversion", [] { ASD(216); }, ErrorKind::Overflow, 0},
                    FailureRow{"AsdProduct", [] { ASD(46341); }, ErrorKind::Overflow, 0}),
    [](const auto& info) { return info.param.name; });

TEST(ChainYTest, JustInsideThePowerRangeStillComputes) {
    EXPECT_GT(ChainY(SheetWithC(1), 709), 1e307);
}

struct AsdRow {
    const char* name;
    std::int32_t number;
    std::int32_t expected;
};

class AsdTest : public testing::TestWithParam<AsdRow> {};

TEST_P(AsdTest, ReturnsTheFourthPower) {
    EXPECT_EQ(ASD(GetParam().number), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, AsdTest,
                         testing::Values(AsdRow{"Zero", 0, 0}, AsdRow{"NegativeThree", -3, 81},
                                         AsdRow{"Largest", 215, 2136750625},
                                         AsdRow{"LargestNegative", -215, 2136750625}),
                         [](const auto& info) { return info.param.name; });

TEST(CurveTest, CubeAndSquareWidenTheBinary32Argument) {
    EXPECT_EQ(Cube(-2), -8);
    EXPECT_EQ(Square(0.1f), static_cast<double>(0.1f) * static_cast<double>(0.1f));
    EXPECT_EQ(Cube(0.002f), static_cast<double>(0.002f) * 0.002f * 0.002f);
}

} // namespace
} // namespace hc
