#include "commands/advice_limits.h"

#include <gtest/gtest.h>

namespace hc {
namespace {

// The limits as a person worked them out: the largest binary32 is
// 3.40282e38, ln(largest double) 709.7827, √(largest double) 1.34078e154,
// and 3.40282e38 / 800 is 4.25353e35. The advice writes them with 15 digits,
// which would hide a value an ulp away from the decimal it names: the
// doubles are checked here, exactly.
TEST(AdviceLimitsTest, EachIsTheDoubleOfItsDigits) {
    EXPECT_EQ(kAdviceLimits.abscissa, 3.4e38);
    EXPECT_EQ(kAdviceLimits.ratio, 709.78);
    EXPECT_EQ(kAdviceLimits.height, 1.34e154);
    EXPECT_EQ(kAdviceLimits.plotted, 4.2e35);
}

TEST(CutToDigitsTest, CutsTowardsZeroAtAnyScale) {
    struct Row {
        long double value;
        int digits;
        double cut;
    };
    for (const Row& row : {
             Row{4.2535295865117308e35L, 2, 4.2e35}, // rounding would give 4.3e35
             Row{709.782712893384L, 5, 709.78},
             Row{0.000999L, 1, 0.0009},
             Row{19.99L, 3, 19.9},
             Row{5, 3, 5},
             Row{123456, 2, 120000},
             Row{0, 2, 0},
         })
        EXPECT_EQ(advice::CutToDigits(row.value, row.digits), row.cut)
            << static_cast<double>(row.value) << ", " << row.digits;
}

} // namespace
} // namespace hc
