#include "model/numeric.h"
#include "model/run_error.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <clocale>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

// Digits of any script, as keyboards and number formats give them: Arabic
// (ar-EG), Persian (fa-IR), Devanagari, full-width (Chinese and Japanese
// input), mathematical and Adlam; the no-break spaces a formatted number
// carries. What is not a decimal digit or one of those blanks ends the number.
INSTANTIATE_TEST_SUITE_P(
    AnyScript, ToNumberTest,
    testing::Values(ToNumberRow{"ArabicIndic", "\u0662\u066B\u0665", "\u066B", 2.5},
                    ToNumberRow{"Persian", "\u06F2\u066B\u06F5", "\u066B", 2.5},
                    ToNumberRow{"PersianNegative", "-\u06F3\u066B\u06F2\u06F5", "\u066B", -3.25},
                    ToNumberRow{"PersianWithPoint", "\u06F8.\u06F5", "\u066B", 8.5},
                    ToNumberRow{"Devanagari", "\u0969.\u0967\u096A", ".", 3.14},
                    ToNumberRow{"FullWidth", "\uFF12", ".", 2},
                    ToNumberRow{"FullWidthStopEnds", "\uFF11\uFF0E\uFF15", ".", 1},
                    ToNumberRow{"MathematicalBold", "\U0001D7D0\U0001D7D3", ".", 25},
                    ToNumberRow{"MathematicalMonospaceNine", "\U0001D7FF", ".", 9},
                    ToNumberRow{"Adlam", "\U0001E951\U0001E950", ".", 10},
                    ToNumberRow{"MixedScripts", "1\u0662\u09E9", ".", 123},
                    ToNumberRow{"ExponentDigits", "1e\u0663", ".", 1000},
                    ToNumberRow{"NoBreakSpace", "1\u00A0000,5", ",", 1000.5},
                    ToNumberRow{"NarrowNoBreakSpace", "-1\u202F000\u202F000,25", ",", -1000000.25},
                    ToNumberRow{"ThinSpaceEnds", "1\u2009000", ",", 1},
                    ToNumberRow{"SuperscriptEnds", "2\u00B2", ".", 2},
                    ToNumberRow{"CircledDigitIsNoNumber", "\u2460", ".", 0},
                    ToNumberRow{"RomanNumeralIsNoNumber", "\u216B", ".", 0},
                    ToNumberRow{"InvalidByteEnds",
                                "2\xFF"
                                "3",
                                ".", 2},
                    ToNumberRow{"OverlongDigitEnds", "2\xC0\xB3", ".", 2},
                    ToNumberRow{"EncodedSurrogateEnds", "2\xED\xA0\x80", ".", 2},
                    ToNumberRow{"TruncatedSequenceEnds", "2\xD9", ".", 2},
                    ToNumberRow{"CommaUnderPointStillEnds", "\u06F0,\u06F5", ".", 0}),
    [](const auto& info) { return info.param.name; });

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Against the Unicode Character Database (Debian's unicode-data): every
// decimal digit reads as its value, and every other character beyond ASCII,
// the two no-break spaces aside, ends the number.
TEST(ToNumberUnicodeTest, ReadsEveryDecimalDigitOfTheCharacterDatabaseAndNothingElse) {
    std::ifstream data("/usr/share/unicode/UnicodeData.txt");
    if (!data)
        GTEST_SKIP() << "no /usr/share/unicode/UnicodeData.txt (scripts/install-deps installs it)";
    int digits = 0;
    int others = 0;
    for (std::string line; std::getline(data, line);) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, ';');)
            fields.push_back(field);
        ASSERT_GE(fields.size(), 7U) << line;
        const auto c = static_cast<char32_t>(std::stoul(fields[0], nullptr, 16));
        if (fields[2] == "Nd") {
            EXPECT_EQ(ToNumber(Utf8(c)), std::stoi(fields[6])) << fields[0];
            ++digits;
        } else if (c >= 0x80 && c != 0xA0 && c != 0x202F && fields[2] != "Cs") {
            // Appended, not "1" + …: GCC 12 at -O3 warns of a false overlap there.
            std::string text = "1";
            text += Utf8(c);
            text += '2';
            EXPECT_EQ(ToNumber(text), 1) << fields[0];
            ++others;
        }
    }
    EXPECT_GE(digits, 680); // Unicode 15.0's
    EXPECT_GT(others, 30000);
}

TEST(ToNumberOverflowTest, NumbersBeyondTheDoubleRangeRaiseOverflow) {
    for (const char* text : {"1e400", "-1e309", "1.7976931348623159e308", "1e99999999999999999999",
                             "0.001e312", "\uFF11e\u0664\u0660\u0660"}) {
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
