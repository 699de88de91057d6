#include "model/compat.h"
// PowerOf against GNU MPFR, bit for bit, over the whole range of its use and
// beyond: the exact power rounded once to the nearest double is the only
// right answer, on every platform.
#include "model/power.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <mpfr.h>
#include <random>
#include <sstream>
#include <vector>

namespace hc {
namespace {

constexpr double kE = 2.7182818284;

// The oracle: MPFR at 53 bits within the double's exponent range, so that it
// rounds subnormal results where a double does. Its numbers are made once:
// allocating them for every call would cost more than the powers.
class Oracle {
  public:
    Oracle() { mpfr_inits2(53, base_, exponent_, result_, static_cast<mpfr_ptr>(nullptr)); }
    ~Oracle() { mpfr_clears(base_, exponent_, result_, static_cast<mpfr_ptr>(nullptr)); }
    Oracle(const Oracle&) = delete;
    Oracle& operator=(const Oracle&) = delete;

    double Power(double base, double exponent) {
        const mpfr_exp_t emin = mpfr_get_emin();
        const mpfr_exp_t emax = mpfr_get_emax();
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
        mpfr_set_d(base_, base, MPFR_RNDN);
        mpfr_set_d(exponent_, exponent, MPFR_RNDN);
        const int inexact = mpfr_pow(result_, base_, exponent_, MPFR_RNDN);
        mpfr_subnormalize(result_, inexact, MPFR_RNDN);
        const double result = mpfr_get_d(result_, MPFR_RNDN);
        mpfr_set_emin(emin);
        mpfr_set_emax(emax);
        return result;
    }

    // ln(x), rounded once, for arguments that keep a result near a chosen range.
    double Ln(double x) {
        mpfr_set_d(result_, x, MPFR_RNDN);
        mpfr_log(result_, result_, MPFR_RNDN);
        return mpfr_get_d(result_, MPFR_RNDN);
    }

  private:
    mpfr_t base_, exponent_, result_;
};

Oracle oracle;

// Arguments from std::mt19937_64, whose sequence the standard fixes, turned
// into doubles by arithmetic alone: the same arguments on every platform.
class Arguments {
  public:
    explicit Arguments(std::uint64_t seed)
        : bits_(seed) {}
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(bits_() >> 11) * 0x1p-53;
    }
    // A double of any significand with its binary exponent in [low, high].
    double WithExponent(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        const int exponent = low + static_cast<int>(bits_() % span);
        return std::ldexp(1 + static_cast<double>(bits_() >> 12) * 0x1p-52, exponent);
    }
    bool Coin() { return (bits_() & 1) != 0; }

  private:
    std::mt19937_64 bits_;
};

struct Pair {
    double base;
    double exponent;
};

// Compares PowerOf with the oracle on `count` arguments from `make` and
// reports the first few that differ, with all their bits.
template <typename Make> void ExpectCorrectlyRounded(int count, Make make) {
    int wrong = 0;
    std::ostringstream first;
    for (int i = 0; i < count; ++i) {
        const auto [base, exponent] = make();
        const double expected = oracle.Power(base, exponent);
        if (!std::isfinite(expected))
            continue; // beyond the range PowerOf raises; its own tests cover that
        const double actual = PowerOf(base, exponent);
        if (compat::bit_cast<std::uint64_t>(actual) != compat::bit_cast<std::uint64_t>(expected) &&
            ++wrong <= 5)
            first << std::hexfloat << "\n  " << base << " ^ " << exponent << " = " << actual
                  << ", correctly rounded " << expected;
    }
    EXPECT_EQ(wrong, 0) << first.str();
}

TEST(PowerOracleTest, BaseEOverTheWholeExponentRange) {
    Arguments random(1);
    ExpectCorrectlyRounded(350'000, [&] { return Pair{kE, random.Uniform(-745.2, 709.8)}; });
}

// The catenary's own exponents: ±x/C of a sweep, mostly well inside ±1.
TEST(PowerOracleTest, BaseENearExponentZero) {
    Arguments random(2);
    ExpectCorrectlyRounded(300'000, [&] {
        const double z = random.WithExponent(-60, 0);
        return Pair{kE, random.Coin() ? z : -z};
    });
}

TEST(PowerOracleTest, SubnormalResults) {
    Arguments random(3);
    ExpectCorrectlyRounded(10'000, [&] {
        const double base = random.Uniform(1.5, 1e6);
        return Pair{base, random.Uniform(-745.2, -708) / oracle.Ln(base)};
    });
}

TEST(PowerOracleTest, BasesNearOne) {
    Arguments random(4);
    ExpectCorrectlyRounded(30'000, [&] {
        const double offset = random.WithExponent(-53, -4);
        const double base = random.Coin() ? 1 + offset : 1 - offset;
        return Pair{base, random.Uniform(-700, 700) / oracle.Ln(base)};
    });
}

// Any positive base, with exponents that keep the result near the double range.
TEST(PowerOracleTest, LargeAndSmallBases) {
    Arguments random(5);
    ExpectCorrectlyRounded(60'000, [&] {
        const double base = random.WithExponent(-1074, 1023);
        return Pair{base, random.Uniform(-760, 720) / oracle.Ln(base)};
    });
}

TEST(PowerOracleTest, NegativeBasesWithIntegerExponents) {
    Arguments random(6);
    ExpectCorrectlyRounded(50'000, [&] {
        const double exponent = std::round(random.Uniform(-40, 40));
        return Pair{-random.Uniform(0.01, 100), exponent};
    });
}

// The exponents the worksheet uses: squares, square roots and cubes of any
// double, binary32 values among them for the cubes.
TEST(PowerOracleTest, SquaresRootsAndCubes) {
    Arguments random(7);
    ExpectCorrectlyRounded(260'000, [&] {
        const double any = random.WithExponent(-1074, 1023);
        switch (random.Uniform(0, 4) < 1 ? 0 : static_cast<int>(random.Uniform(1, 4))) {
        case 0:
            return Pair{random.Coin() ? any : -any, 2};
        case 1:
            return Pair{any, 0.5};
        case 2:
            return Pair{random.Coin() ? any : -any, 3};
        default:
            return Pair{static_cast<double>(static_cast<float>(random.Uniform(-1e6, 1e6))), 3};
        }
    });
}

struct Known {
    double base;
    double exponent;
    double expected; // the correctly rounded power, computed with Sollya
};

// Values known without MPFR, which both PowerOf and the oracle must give bit
// for bit: a slip in the oracle's own rounding (its exponent range, say) would
// otherwise pass unseen, made alike in the fallback it was copied from.
void ExpectKnown(const std::vector<Known>& rows) {
    for (const auto& [base, exponent, expected] : rows) {
        const auto bits = compat::bit_cast<std::uint64_t>(expected);
        std::ostringstream row;
        row << std::hexfloat << base << " ^ " << exponent << ", expected " << expected;
        EXPECT_EQ(compat::bit_cast<std::uint64_t>(PowerOf(base, exponent)), bits)
            << "PowerOf, " << row.str();
        EXPECT_EQ(compat::bit_cast<std::uint64_t>(oracle.Power(base, exponent)), bits)
            << "the oracle, " << row.str();
    }
}

// Where IEEE 754 prescribes the result exactly, signs of zero included.
TEST(PowerOracleTest, PrescribedValues) {
    ExpectKnown({
        {-0.0, 0.5, 0.0},
        {-0.0, 3, -0.0},
        {0.0, 3, 0.0},
        {-0.0, 2, 0.0},
        {1, 1e300, 1},
        {-1, 3, -1},
        {-1, 0x1p60, 1},
        {-2, 1023, -0x1p+1023},
        {4, 0.5, 2},
        {kE, 1, 0x1.5bf0a8b12500bp+1},
        {kE, -0.0, 1},
        {0x1p-1074, 0.5, 0x1p-537},
        {-0x1p-149, 3, -0x1p-447},
    });
}

// Around and below the smallest normal double, where a result keeps fewer
// bits the smaller it is, down to a half of the smallest subnormal, which
// rounds to even: to zero.
TEST(PowerOracleTest, SubnormalBoundary) {
    ExpectKnown({
        {2, -1074, 0x1p-1074},
        {0.5, 1074, 0x1p-1074},
        {2, -1022, 0x1p-1022},
        {2, -1022.5, 0x1.6a09e667f3bccp-1023},
        {2, -1074.5, 0x1p-1074},
        {2, -1075, 0},
        {2, -1075.01, 0},
        {kE, -709.5, 0x1.53a432bfbf8fp-1024},
        {kE, -712.25, 0x1.5b6698fbc664p-1028},
        {kE, -720, 0x1.32769be3p-1039},
        {kE, -725.125, 0x1.d28216ap-1047},
        {kE, -730.75, 0x1.aeb7cp-1055},
        {kE, -737, 0x1.a9cp-1064},
        {kE, -741.5, 0x1.3p-1070},
        {kE, -744.25, 0x1p-1074},
        {kE, -745.1, 0x1p-1074},
    });
}

// Powers whose exact value lies nearest to a midpoint between two doubles,
// where a result good to many bits beyond the last still rounds the wrong way:
// exact midpoints (odd 54-bit integers such as 9743⁴ and 208067³, which must
// round to even), and exponents of E found by a search over nine million
// random ones to lie within 2^-20 of an ulp of one.
TEST(PowerOracleTest, HardestToRound) {
    ExpectKnown({
        {9743, 4, 0x1.001b5335656ep+53},
        {9745, 4, 0x1.00512d01f2f2p+53},
        {11583, 4, 0x1.ff9ac5816558p+53},
        {-9743, 4, 0x1.001b5335656ep+53},
        {9743.0 / 8192, 4, 0x1.001b5335656ep+1},
        {43291876489, 1.5, 0x1.0002feaf4642ep+53}, // 208067³
        {kE, -0x1.604e5f2f1a26bp+8, 0x1.a884659763241p-509},
        {kE, -0x1.342d6830acc09p+9, 0x1.ba0d2483c2be5p-890},
        {kE, -0x1.60be490771ecep+9, 0x1.25a78766d830cp-1018},
        {kE, 0x1.2923e0062ae68p+8, 0x1.9ae36368f9804p+428},
        {kE, 0x1.0d0a3142e5cp+3, 0x1.18084e4b7ad2dp+12},
        {kE, 0x1.226196e93c241p-8, 0x1.01230685df4fbp+0},
        {kE, -0x1.096f552faf283p+0, 0x1.6b13e19153ac3p-2},
        {kE, -0x1.c42cdc31deb36p-2, 0x1.493a1798af0f6p-1},
        {kE, -0x1.5bf55e61c164cp-6, 0x1.f53daef51e027p-1},
    });
}

} // namespace
} // namespace hc
