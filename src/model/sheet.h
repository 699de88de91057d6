#pragma once

#include "model/run_error.h"

#include <cstdint>

namespace hc {

// The window's record of named quantities, shared by every command. All
// fields start at zero and change only through the routines that write them.
struct Sheet {
    double E = 0;     // base of the exponentials: 2.7182818284, deliberately not e
    double PlotW = 0; // plot area, twips
    double PlotH = 0;
    double K = 0;       // plot scale, twips per world unit
    float X = 0;        // current abscissa of plotting and evaluation, binary32
    std::int16_t I = 0; // tick counter
    double C = 0;       // catenary parameter: the height of the vertex
    double L = 0;       // chain length
    double XA = 0;      // distance from the vertex to the left support A
    double XB = 0;      // distance to the right support B
    double YA = 0;      // ordinate at A (after an adjust step: at X)
    double YB = 0;
    double WA = 0; // arc length from the vertex to A (after an adjust step: to X)
    double WB = 0;
    // Whose abscissa X holds: a plotted one, or a support's where a catenary
    // press stopped before its sweep. «Считать» evaluates there, and a
    // failure must name the box the number came from.
    Abscissa XHolds = Abscissa::Plotted;
};

inline constexpr double kE = 2.7182818284;
inline constexpr double kPlotSize = 8000;
// The plot is this many world units across, so its scale K is
// kPlotSize / kPlotUnits twips per unit.
inline constexpr double kPlotUnits = 10;
inline constexpr double kPlotScale = kPlotSize / kPlotUnits;

// Sets E, PlotW and PlotH; leaves every other field as it is.
void ResetSheet(Sheet& sheet);

double Cube(float x);
double Square(float x);
// The catenary (C/2)(E^(x/C) + E^(-x/C)) for the sheet's C and E. Its errors
// name `at`, where x came from.
double ChainY(const Sheet& sheet, float x, Abscissa at = Abscissa::Plotted);
// Arc length from the vertex to the point of ordinate y: sqrt(y^2 - C^2).
double ArcLength(const Sheet& sheet, double y);
// number^4 through a 32-bit square; RunError(Overflow) past |number| = 215.
std::int32_t ASD(std::int32_t number);

} // namespace hc
