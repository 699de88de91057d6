#include "model/checked_int.h"
#include "model/run_error.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <gtest/gtest.h>
#include <limits>

namespace hc {
namespace {

TEST(CheckedIntTest, Increment16StopsAtTheTopOfTheRange) {
    EXPECT_EQ(Increment16(10), 11);
    EXPECT_EQ(Increment16(-1), 0);
    EXPECT_EQ(Increment16(32766), 32767);
    const auto error = Raised([] { Increment16(32767); });
    ASSERT_TRUE(error) << "no overflow";
    EXPECT_EQ(error->kind(), ErrorKind::Overflow);
}

TEST(CheckedIntTest, Multiply32RaisesOutsideTheRange) {
    EXPECT_EQ(Multiply32(46340, 46340), 2147395600);
    EXPECT_EQ(Multiply32(-65536, 32768), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(Multiply32(46341, 46341), RunError);
    EXPECT_THROW(Multiply32(65536, 32768), RunError);
    EXPECT_THROW(Multiply32(-65536, -32768), RunError);
}

struct RoundingRow {
    const char* name;
    double value;
    std::int32_t expected;
};

class RoundToInt32Test : public testing::TestWithParam<RoundingRow> {};

TEST_P(RoundToInt32Test, RoundsToNearestWithTiesToEven) {
    EXPECT_EQ(RoundToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundToInt32Test,
                         testing::Values(RoundingRow{"HalfDown", 0.5, 0},
                                         RoundingRow{"OneAndHalfUp", 1.5, 2},
                                         RoundingRow{"TwoAndHalfDown", 2.5, 2},
                                         RoundingRow{"NegativeHalf", -2.5, -2},
                                         RoundingRow{"BelowHalf", 2.4999, 2},
                                         RoundingRow{"Top", 2147483647.4, 2147483647},
                                         RoundingRow{"Bottom", -2147483648.5, -2147483648}),
                         [](const auto& info) { return info.param.name; });

TEST(CheckedIntTest, RoundToInt32RaisesOutsideTheRangeAndOnNaN) {
    for (double value :
         {2147483647.5, 2147483648.0, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(RoundToInt32(value), RunError) << value;
    }
}

} // namespace
} // namespace hc
