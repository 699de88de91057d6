// Writes a Sollya or a Gappa script with the fast power's constants, exactly,
// in front of it, so that the proof is about the constants the program is
// built with: `proof_constants sollya|gappa [NAME=VALUE…] < script`, where
// each NAME=VALUE adds a value another tool found. A Gappa script names a
// constant as @{NAME} where it needs a number (in an interval), and the line
// "@horner" becomes the polynomial's evaluation, as long as the coefficient
// table is.
#include "model/power_constants.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

namespace {

namespace fp = hc::fast_power;

std::map<std::string, std::string> values;

// Hexadecimal floating point, which both tools read and which loses nothing.
void Define(const char* name, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    values[name] = text;
    std::printf("%s = %s;\n", name, text);
}

// The line with each @{NAME} replaced by NAME's value.
std::string Substituted(std::string line) {
    for (std::size_t at = line.find("@{"); at != std::string::npos; at = line.find("@{", at)) {
        const std::size_t end = line.find('}', at);
        const auto value = end == std::string::npos
                               ? values.end()
                               : values.find(line.substr(at + 2, end - at - 2));
        if (value == values.end()) {
            std::fprintf(stderr, "proof_constants: no value for %s\n", line.substr(at).c_str());
            std::exit(1);
        }
        line.replace(at, end + 1 - at, value->second);
        at += value->second.size();
    }
    return line;
}

void Common() {
    Define("Lowest", fp::kLowest);
    Define("Highest", fp::kHighest);
    // t.hi = RN(estimate + at most 2^-42): exponent_product.g proves that bound
    Define("ThLowest", fp::kLowest - 0x1p-42);
    Define("ThHighest", fp::kHighest + 0x1p-42);
    Define("K256", fp::k256OverLn2);
    Define("C1", fp::kC1);
    Define("C2", fp::kC2);
    Define("R", fp::kReducedRange);
    Define("PolynomialError", fp::kPolynomialError);
    Define("ExponentError", fp::kExponentError);
    // What the proof must show: the allowance less the 2^-52 of it that
    // RoundsToHigh gives away by taking it of w.hi rather than of e^t.
    Define("AllowanceProven", fp::kErrorAllowance * (1 - 0x1p-52));
    for (std::size_t i = 0; i < fp::kCoefficients.size(); ++i) {
        char name[24];
        std::snprintf(name, sizeof name, "c%zu", i);
        Define(name, fp::kCoefficients[i]);
    }
}

// The polynomial as a real function of x, with the coefficients as stored.
void SollyaPolynomial() {
    std::printf("Polynomial = 1 + x + x^2 * (");
    const std::size_t n = fp::kCoefficients.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        std::printf("c%zu + x * (", i);
    std::printf("c%zu", n - 1);
    for (std::size_t i = 0; i < n; ++i)
        std::printf(")");
    std::printf(";\n");
}

// The Horner evaluation as power.cpp runs it, each step rounded (q0 … qn), and
// the same in exact arithmetic (M0 … Mn) for Gappa to compare with.
void GappaHorner() {
    const std::size_t n = fp::kCoefficients.size();
    std::printf("q%zu = c%zu;\nM%zu = c%zu;\n", n - 1, n - 1, n - 1, n - 1);
    for (std::size_t i = n - 1; i-- > 0;) {
        std::printf("q%zu = rnd(c%zu + rnd(x * q%zu));\n", i, i, i + 1);
        std::printf("M%zu = c%zu + x * M%zu;\n", i, i, i + 1);
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool gappa = argc >= 2 && std::strcmp(argv[1], "gappa") == 0;
    if (!gappa && !(argc >= 2 && std::strcmp(argv[1], "sollya") == 0)) {
        std::fprintf(stderr, "usage: proof_constants sollya|gappa [NAME=VALUE...] < script\n");
        return 2;
    }
    if (gappa)
        std::printf("@rnd = float<ieee_64, ne>;\n");
    Common();
    for (int i = 2; i < argc; ++i) {
        const std::string definition = argv[i];
        const std::size_t equals = definition.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "proof_constants: %s is not NAME=VALUE\n", argv[i]);
            return 2;
        }
        values[definition.substr(0, equals)] = definition.substr(equals + 1);
        std::printf("%s;\n", definition.c_str());
    }
    if (!gappa)
        SollyaPolynomial();
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
        if (gappa && line == "@horner")
            GappaHorner();
        else
            std::printf("%s\n", Substituted(line).c_str());
    }
    return 0;
}
