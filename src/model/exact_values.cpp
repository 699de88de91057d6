#include "model/exact_values.h"

#include <mpfr.h>

namespace hc::exact {

namespace {

// An MPFR number for the length of one scope.
class Number {
  public:
    explicit Number(mpfr_prec_t precision) { mpfr_init2(value_, precision); }
    ~Number() { mpfr_clear(value_); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
    mpfr_ptr get() { return value_; }

  private:
    mpfr_t value_;
};

// Enough bits that the double-double taken from a value has its own rounding
// error (2^-106 of the value) as its only error worth naming.
constexpr mpfr_prec_t kWide = 128;

thread_local std::uint64_t powerCount = 0;

dd::DoubleDouble ToDoubleDouble(mpfr_ptr value) {
    Number rest(kWide);
    const double hi = mpfr_get_d(value, MPFR_RNDN);
    mpfr_sub_d(rest.get(), value, hi, MPFR_RNDN);
    return {hi, mpfr_get_d(rest.get(), MPFR_RNDN)};
}

// The exponent range of IEEE double, so that MPFR rounds where a double
// would: at 53 bits, and at fewer bits among the subnormals.
class DoubleRange {
  public:
    DoubleRange()
        : emin_(mpfr_get_emin())
        , emax_(mpfr_get_emax()) {
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
    }
    ~DoubleRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    DoubleRange(const DoubleRange&) = delete;
    DoubleRange& operator=(const DoubleRange&) = delete;

  private:
    mpfr_exp_t emin_;
    mpfr_exp_t emax_;
};

} // namespace

double Power(double base, double exponent) {
    ++powerCount;
    const DoubleRange range;
    Number b(53);
    Number e(53);
    Number result(53);
    mpfr_set_d(b.get(), base, MPFR_RNDN);
    mpfr_set_d(e.get(), exponent, MPFR_RNDN);
    const int inexact = mpfr_pow(result.get(), b.get(), e.get(), MPFR_RNDN);
    mpfr_subnormalize(result.get(), inexact, MPFR_RNDN);
    return mpfr_get_d(result.get(), MPFR_RNDN);
}

std::uint64_t PowerCount() {
    return powerCount;
}

dd::DoubleDouble Log(double x) {
    Number value(kWide);
    mpfr_set_d(value.get(), x, MPFR_RNDN);
    mpfr_log(value.get(), value.get(), MPFR_RNDN);
    return ToDoubleDouble(value.get());
}

} // namespace hc::exact
