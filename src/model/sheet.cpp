#include "model/sheet.h"

#include "model/checked_int.h"
#include "model/fault_status.h"
#include "model/power.h"

namespace hc {

void ResetSheet(Sheet& sheet) {
    sheet.E = kE;
    sheet.PlotW = kPlotSize;
    sheet.PlotH = kPlotSize;
}

double Cube(float x) {
    return PowerOf(x, 3);
}

double Square(float x) {
    return PowerOf(x, 2);
}

double ChainY(const Sheet& sheet, float x, Abscissa at) {
    // The first check also catches an overflow left pending by the store into X
    // that preceded the call, and an X left beyond binary32 by an earlier one.
    const fp::Value negated = Checked(-fp::Value(x), Step::ChainYAbscissa, at);
    const double down = Checked(negated / sheet.C, Step::ChainYRatio, at);
    const fp::Value p = PowerOf(sheet.E, down, Step::ChainYPower, at);
    const double up = Checked(fp::Value(x) / sheet.C, Step::ChainYRatio, at);
    const fp::Value q = PowerOf(sheet.E, up, Step::ChainYPower, at);
    return Checked((q + p) * (fp::Value(sheet.C) / 2), Step::ChainY, at);
}

double ArcLength(const Sheet& sheet, double y) {
    const double difference = Checked(fp::Value(PowerOf(y, 2, Step::ArcLengthPower)) -
                                          PowerOf(sheet.C, 2, Step::ArcLengthPower),
                                      Step::ArcLength);
    return PowerOf(difference, 0.5);
}

std::int32_t ASD(std::int32_t number) {
    const std::int32_t square = Multiply32(number, number);
    return RoundToInt32(PowerOf(square, 2));
}

} // namespace hc
