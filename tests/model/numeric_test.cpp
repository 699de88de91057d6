#include "model/numeric.h"
#include "model/run_error.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace hc {
namespace {

struct ToNumberRow {
    const char* name;
    const char* text;
    const char* separator;
    double expected;
};

class ToNumberTest : public testing::TestWithParam<ToNumberRow> {};

TEST_P(ToNumberTest, ReadsTheLeadingNumber) {
    const auto& row = GetParam();
    EXPECT_EQ(ToNumber(row.text, row.separator), row.expected) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    DecimalPoint, ToNumberTest,
    testing::Values(
        ToNumberRow{"Empty", "", ".", 0}, ToNumberRow{"Plain", "2.5", ".", 2.5},
        ToNumberRow{"TrailingWord", "3.3 m", ".", 3.3},
        ToNumberRow{"CommaEndsTheNumber", "0,144", ".", 0}, ToNumberRow{"Negative", "-2", ".", -2},
        ToNumberRow{"BlanksInside", "2 5", ".", 25},
        ToNumberRow{"TabsAndLineFeeds", "\t1\n.\t5 ", ".", 1.5},
        ToNumberRow{"BlankAfterSign", "- 2", ".", -2}, ToNumberRow{"PlusSign", "+7", ".", 7},
        ToNumberRow{"LeadingPoint", ".5", ".", 0.5},
        ToNumberRow{"NegativeLeadingPoint", "-.25", ".", -0.25},
        ToNumberRow{"TrailingPoint", "4.", ".", 4},
        ToNumberRow{"SecondPointEnds", "1.2.3", ".", 1.2},
        ToNumberRow{"Exponent", "1.5e3", ".", 1500}, ToNumberRow{"ExponentD", "2D-2", ".", 0.02},
        ToNumberRow{"ExponentWithoutDigits", "2e", ".", 2},
        ToNumberRow{"ExponentSignWithoutDigits", "2e+x", ".", 2},
        ToNumberRow{"ExponentAlone", "e5", ".", 0}, ToNumberRow{"Word", "abc", ".", 0},
        ToNumberRow{"PointAlone", ".", ".", 0}, ToNumberRow{"SignAlone", "-", ".", 0},
        ToNumberRow{"DoubleSign", "--2", ".", 0}, ToNumberRow{"CarriageReturnEnds", "1\r2", ".", 1},
        ToNumberRow{"Underflow", "1e-400", ".", 0}, ToNumberRow{"Subnormal", "1e-310", ".", 1e-310},
        ToNumberRow{"ZeroWithHugeExponent", "0e99999999999999999999", ".", 0},
        ToNumberRow{"LongestDouble", "1.7976931348623157e308", ".", 1.7976931348623157e308}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(DecimalComma, ToNumberTest,
                         testing::Values(ToNumberRow{"Comma", "0,144", ",", 0.144},
                                         ToNumberRow{"PointStillWorks", "2.5", ",", 2.5},
                                         ToNumberRow{"OwnOutput", "1,4014", ",", 1.4014},
                                         ToNumberRow{"SecondSeparatorEnds", "1,5,6", ",", 1.5},
                                         ToNumberRow{"PointAfterCommaEnds", "1,5.6", ",", 1.5},
                                         ToNumberRow{"CommaExponent", "1,5E-05", ",", 1.5e-5},
                                         ToNumberRow{"BlanksInside", "2 5", ",", 25}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(MultiByteSeparator, ToNumberTest,
                         testing::Values(ToNumberRow{"ArabicSeparator", "3\u066B25", "\u066B",
                                                     3.25},
                                         ToNumberRow{"CommaEndsIt", "3,25", "\u066B", 3}),
                         [](const auto& info) { return info.param.name; });

TEST(ToNumberOverflowTest, NumbersBeyondTheDoubleRangeRaiseOverflow) {
    for (const char* text :
         {"1e400", "-1e309", "1.7976931348623159e308", "1e99999999999999999999", "0.001e312"}) {
        try {
            ToNumber(text);
            ADD_FAILURE() << text << " read without error";
        } catch (const RunError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow) << text;
        }
    }
}

TEST(ToNumberTest, SignOfZeroDoesNotShowInText) {
    EXPECT_EQ(ToText(ToNumber("-0")), "0");
}

struct ToTextRow {
    const char* name;
    double value;
    const char* point;
    const char* comma;
};

class ToTextTest : public testing::TestWithParam<ToTextRow> {};

TEST_P(ToTextTest, WritesFifteenSignificantDigits) {
    const auto& row = GetParam();
    EXPECT_EQ(ToText(row.value, "."), row.point);
    EXPECT_EQ(ToText(row.value, ","), row.comma);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToTextTest,
    testing::Values(
        ToTextRow{"MinimumC", 0.144, "0.144", "0,144"},
        ToTextRow{"Ordinate", 3.0886694439424773, "3.08866944394248", "3,08866944394248"},
        ToTextRow{"ArcLength", 2.75315799291358, "2.75315799291358", "2,75315799291358"},
        ToTextRow{"RaisedC", 1.4 * 1.001, "1.4014", "1,4014"},
        ToTextRow{"Integer", 8000, "8000", "8000"}, ToTextRow{"Zero", 0, "0", "0"},
        ToTextRow{"NegativeZero", -0.0, "0", "0"}, ToTextRow{"Negative", -2.5, "-2.5", "-2,5"},
        ToTextRow{"SmallestPlain", 0.0001, "0.0001", "0,0001"},
        ToTextRow{"BelowPlain", 0.00001, "1E-05", "1E-05"},
        ToTextRow{"SmallFraction", 1.5e-5, "1.5E-05", "1,5E-05"},
        ToTextRow{"LargestPlain", 999999999999999, "999999999999999", "999999999999999"},
        ToTextRow{"RoundsUpToExponent", 999999999999999.9, "1E+15", "1E+15"},
        ToTextRow{"Large", 77481.9e20, "7.74819E+24", "7,74819E+24"},
        ToTextRow{"NegativeSmall", -2.5e-300, "-2.5E-300", "-2,5E-300"},
        // Rounding up would give a text that reads back as an overflow.
        ToTextRow{"LargestDouble", 1.7976931348623157e308, "1.79769313486231E+308",
                  "1,79769313486231E+308"},
        ToTextRow{"LargestNegative", -1.7976931348623157e308, "-1.79769313486231E+308",
                  "-1,79769313486231E+308"}),
    [](const auto& info) { return info.param.name; });

// The C library's locale is the user's once the window starts; the conversions
// must not follow it.
TEST(ConversionLocaleTest, IgnoresTheCLibraryLocale) {
    // The Russian locale as glibc and as Windows name it.
    const bool russian = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr ||
                         std::setlocale(LC_ALL, "Russian_Russia.1251") != nullptr;
    // musl (the WebAssembly build's C library) accepts the name and keeps "."
    if (!russian || std::string_view(std::localeconv()->decimal_point) != ",")
        GTEST_SKIP() << "no C library locale with a decimal comma is available";
    EXPECT_EQ(ToText(2.5, "."), "2.5");
    EXPECT_EQ(ToNumber("2.5", "."), 2.5);
    EXPECT_EQ(ToNumber("2,5", "."), 2);
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace hc
