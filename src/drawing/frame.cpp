#include "drawing/frame.h"

#include "drawing/drawing_surface.h"
#include "model/checked_int.h"
#include "model/fault_status.h"
#include "model/sheet.h"

namespace hc {

namespace {

constexpr double kTickLength = 100;
constexpr int kFrameColour = 4;

// The frame's coordinates are computed one by one, each checked, then passed
// to the surface as binary32.
double Checked(double value) {
    FaultCheck(Step::Frame);
    return value;
}

void FrameLine(DrawingSurface& surface, double x1, double y1, double x2, double y2) {
    surface.Line(fp::ToSingle(x1), fp::ToSingle(y1), fp::ToSingle(x2), fp::ToSingle(y2),
                 QBColor(kFrameColour));
}

} // namespace

void DrawFrame(Sheet& sheet, DrawingSurface& surface) {
    FrameLine(surface, 0, sheet.PlotH, sheet.PlotW, sheet.PlotH);

    const double axisX = Checked(fp::Div(sheet.PlotW, 2));
    const double axisX2 = Checked(fp::Div(sheet.PlotW, 2));
    FrameLine(surface, axisX, sheet.PlotH, axisX2, 0);

    for (sheet.I = 1; sheet.I <= 10; sheet.I = Increment16(sheet.I)) {
        const double x1 = Checked(fp::Div(sheet.PlotW, 2));
        const double y1 = Checked(fp::Sub(sheet.PlotH, fp::Mul(fp::Div(sheet.PlotH, 10), sheet.I)));
        const double x2 = Checked(fp::Add(fp::Div(sheet.PlotW, 2), kTickLength));
        const double y2 = Checked(fp::Sub(sheet.PlotH, fp::Mul(fp::Div(sheet.PlotH, 10), sheet.I)));
        FrameLine(surface, x1, y1, x2, y2);
    }
    for (sheet.I = 1; sheet.I <= 10; sheet.I = Increment16(sheet.I)) {
        const double x1 = Checked(fp::Mul(fp::Div(sheet.PlotW, 10), sheet.I));
        const double x2 = Checked(fp::Mul(fp::Div(sheet.PlotW, 10), sheet.I));
        const double y2 = Checked(fp::Sub(sheet.PlotH, kTickLength));
        FrameLine(surface, x1, sheet.PlotH, x2, y2);
    }
}

} // namespace hc
