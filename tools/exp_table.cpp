// Writes src/model/exp_table.cpp: 2^(j/256) for j = 0 … 255, each as the
// double nearest to it and the double nearest to the rest, from MPFR at 200
// bits. Fails unless every entry is within 2^-107 of its value, relative,
// the bound the power's proof takes for the table.
//   exp_table > src/model/exp_table.cpp
#include <cstdio>
#include <mpfr.h>

int main() {
    mpfr_t exact, rest, error;
    mpfr_inits2(200, exact, rest, error, static_cast<mpfr_ptr>(nullptr));
    std::printf("#include \"model/exp_table.h\"\n\nnamespace hc {\n\n// clang-format off\n"
                "const std::array<dd::DoubleDouble, 256> kTwoToJOver256 = {{\n");
    int beyond = 0;
    for (unsigned j = 0; j < 256; ++j) {
        mpfr_set_ui(exact, j, MPFR_RNDN);
        mpfr_div_ui(exact, exact, 256, MPFR_RNDN); // exact: a binary fraction
        mpfr_exp2(exact, exact, MPFR_RNDN);
        const double hi = mpfr_get_d(exact, MPFR_RNDN);
        mpfr_sub_d(rest, exact, hi, MPFR_RNDN); // exact at 200 bits
        const double lo = mpfr_get_d(rest, MPFR_RNDN);
        mpfr_sub_d(error, rest, lo, MPFR_RNDN);
        mpfr_div(error, error, exact, MPFR_RNDN);
        mpfr_abs(error, error, MPFR_RNDN);
        if (mpfr_cmp_d(error, 0x1p-107) > 0) {
            std::fprintf(stderr, "exp_table: entry %u is beyond 2^-107 of 2^(%u/256)\n", j, j);
            ++beyond;
        }
        std::printf("    {%a, %a},\n", hi, lo);
    }
    std::printf("}};\n// clang-format on\n\n} // namespace hc\n");
    mpfr_clears(exact, rest, error, static_cast<mpfr_ptr>(nullptr));
    return beyond == 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
