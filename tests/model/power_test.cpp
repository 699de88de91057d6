#include "model/exact_values.h"
#include "model/power.h"
#include "support/raised.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace hc {
namespace {

struct PowerRow {
    const char* name;
    double base;
    double exponent;
    double expected;
};

class PowerOfTest : public testing::TestWithParam<PowerRow> {};

TEST_P(PowerOfTest, RaisesBaseToExponent) {
    EXPECT_EQ(PowerOf(GetParam().base, GetParam().exponent), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PowerOfTest,
                         testing::Values(PowerRow{"Square", 1.4, 2, 1.4 * 1.4},
                                         PowerRow{"CubeOfNegative", -2, 3, -8},
                                         PowerRow{"SquareRoot", 6.25, 0.5, 2.5},
                                         PowerRow{"RootOfZero", 0, 0.5, 0},
                                         PowerRow{"NegativeBaseIntegerExponent", -3, 4, 81},
                                         PowerRow{"Underflow", 2.7182818284, -800, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(PowerOfTest, NegativeBaseWithFractionalExponentIsInvalid) {
    const auto error = Raised([] { PowerOf(-1e-17, 0.5); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::InvalidArgument);
}

TEST(PowerOfTest, ResultBeyondTheDoubleRangeRaisesInsteadOfReturningInfinity) {
    for (const auto& power :
         {std::pair{2.7182818284, 709.79}, std::pair{1e155, 2.0}, std::pair{-1e103, 3.0}}) {
        const auto error = Raised([&] { PowerOf(power.first, power.second); });
        ASSERT_TRUE(error) << power.first << "^" << power.second << " returned";
        EXPECT_EQ(error->kind(), ErrorKind::Overflow);
    }
    EXPECT_TRUE(std::isfinite(PowerOf(2.7182818284, 709.78)));
}

// The fast path must decide its rounding almost always: MPFR costs
// microseconds a call, so a rounding test that gave up too often would keep
// every digit right and still make a press ten times slower. Exponents as the
// catenary raises E to: ±x/C, here anywhere within ±50.
TEST(PowerOfTest, TheFastPathDecidesAlmostEveryCatenaryPower) {
    std::mt19937_64 bits(24);
    const auto before = exact::PowerCount();
    constexpr int kCount = 100'000;
    for (int i = 0; i < kCount; ++i) {
        const double exponent = -50 + 100 * static_cast<double>(bits() >> 11) * 0x1p-53;
        PowerOf(2.7182818284, exponent);
    }
    // About one in 80 000 needs MPFR; ten would be eight times that.
    EXPECT_LE(exact::PowerCount() - before, 10U);
}

} // namespace
} // namespace hc
