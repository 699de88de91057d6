#include "model/fault_status.h"
#include "model/run_error.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace hc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FlagRow {
    const char* name;
    std::function<void()> step;
    unsigned flags;
};

class FaultFlagsTest : public testing::TestWithParam<FlagRow> {
  protected:
    void SetUp() override { ClearFaults(); }
    void TearDown() override { ClearFaults(); }
};

TEST_P(FaultFlagsTest, RaisesExactlyTheIeeeFlags) {
    GetParam().step();
    EXPECT_EQ(PendingFaults(), GetParam().flags);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FaultFlagsTest,
    testing::Values(FlagRow{"OrdinaryDivision", [] { fp::Div(1, 3); }, 0},
                    FlagRow{"NonZeroByZero", [] { fp::Div(-2, 0); }, kDivisionByZero},
                    FlagRow{"ZeroByZero", [] { fp::Div(0, 0); }, kInvalidOperation},
                    FlagRow{"QuotientOverflows", [] { fp::Div(1e300, 1e-300); }, kFloatOverflow},
                    FlagRow{"ProductOverflows", [] { fp::Mul(1e200, 1e200); }, kFloatOverflow},
                    FlagRow{"SumOverflows", [] { fp::Add(1.7e308, 1.7e308); }, kFloatOverflow},
                    FlagRow{"InfinityMinusInfinity", [] { fp::Sub(kInf, kInf); },
                            kInvalidOperation},
                    FlagRow{"ZeroTimesInfinity", [] { fp::Mul(0, kInf); }, kInvalidOperation},
                    FlagRow{"UnderflowIsIgnored", [] { fp::Mul(1e-300, 1e-300); }, 0},
                    // A field left non-finite by an abandoned command faults again.
                    FlagRow{"NaNOperandIsInvalid", [] { fp::Add(kNaN, 1); }, kInvalidOperation},
                    FlagRow{"InfiniteOperandOverflows", [] { fp::Mul(kInf, 2); }, kFloatOverflow},
                    FlagRow{"SingleInRange", [] { fp::ToSingle(3.4028234e38); }, 0},
                    FlagRow{"SingleOverflows", [] { fp::ToSingle(-1e39); }, kFloatOverflow},
                    FlagRow{"FlagsAccumulate",
                            [] {
                                fp::Div(0, 0);
                                fp::ToSingle(1e39);
                            },
                            kInvalidOperation | kFloatOverflow}),
    [](const auto& info) { return info.param.name; });

TEST(FaultStatusTest, SingleRoundingMatchesTheHardwareAtTheEdgeOfTheRange) {
    ClearFaults();
    // The largest double that still rounds to FLT_MAX, and the first that does not.
    EXPECT_EQ(fp::ToSingle(0x1.fffffefffffffp127), std::numeric_limits<float>::max());
    EXPECT_EQ(PendingFaults(), 0U);
    EXPECT_EQ(fp::ToSingle(0x1.ffffffp127), std::numeric_limits<float>::infinity());
    EXPECT_EQ(PendingFaults(), kFloatOverflow);
    ClearFaults();
}

TEST(FaultStatusTest, CheckRaisesWhileAFlagIsPendingAndTheFlagStays) {
    ClearFaults();
    EXPECT_NO_THROW(FaultCheck(Step::Sweep));
    fp::Div(1, 0);
    const auto error = Raised([] { FaultCheck(Step::Sweep); });
    ASSERT_TRUE(error) << "no fault raised";
    EXPECT_EQ(error->kind(), ErrorKind::ArithmeticFault);
    EXPECT_EQ(error->step(), Step::Sweep);
    EXPECT_THROW(FaultCheck(Step::ChainY), RunError);
    ClearFaults();
    EXPECT_NO_THROW(FaultCheck(Step::ChainY));
}

} // namespace
} // namespace hc
