#include "model/numeric.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace hc {
namespace {

// A value written by ToText and typed back must give the same text again:
// the window rewrites C into its box and reads it on the next press.
class RoundTripTest : public testing::TestWithParam<const char*> {};

TEST_P(RoundTripTest, TextOfAnyFiniteDoubleReadsBackToTheSameDigits) {
    const char* separator = GetParam();
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-4.0, 15.0);
    std::uniform_int_distribution<int> wideExponent(-307, 307);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::bernoulli_distribution negative(0.5);
    for (int i = 0; i < 1'000'000; ++i) {
        // Mostly values the box shows positionally, some in exponent form.
        const double magnitude = i % 8 == 0
                                     ? mantissa(random) * std::pow(10.0, wideExponent(random))
                                     : std::pow(10.0, exponent(random));
        const double value = negative(random) ? -magnitude : magnitude;
        const std::string text = ToText(value, separator);
        const double back = ToNumber(text, separator);
        ASSERT_EQ(ToText(back, separator), text) << "value " << value;
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5.1e-15) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, RoundTripTest, testing::Values(".", ","),
                         [](const auto& info) {
                             return std::string(info.param) == "." ? "Point" : "Comma";
                         });

} // namespace
} // namespace hc
