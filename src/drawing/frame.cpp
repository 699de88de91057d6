#include "drawing/frame.h"

#include "drawing/drawing_surface.h"
#include "model/checked_int.h"
#include "model/fault_status.h"
#include "model/sheet.h"

namespace hc {

namespace {

constexpr double kTickLength = 100;
constexpr int kFrameColour = 4;

void FrameLine(DrawingSurface& surface, double x1, double y1, double x2, double y2) {
    surface.Line(fp::ToSingle(x1), fp::ToSingle(y1), fp::ToSingle(x2), fp::ToSingle(y2),
                 QBColor(kFrameColour));
}

} // namespace

void DrawFrame(Sheet& sheet, DrawingSurface& surface) {
    const fp::Value plotW = sheet.PlotW;
    const fp::Value plotH = sheet.PlotH;
    FrameLine(surface, 0, sheet.PlotH, sheet.PlotW, sheet.PlotH);

    const double axisX = Checked(plotW / 2, Step::Frame);
    FrameLine(surface, axisX, sheet.PlotH, axisX, 0);

    const double tickEnd = Checked(axisX + fp::Value(kTickLength), Step::Frame);
    for (sheet.I = 1; sheet.I <= 10; sheet.I = Increment16(sheet.I)) {
        const double y = Checked(plotH - plotH / 10 * sheet.I, Step::Frame);
        FrameLine(surface, axisX, y, tickEnd, y);
    }
    const double tickTop = Checked(plotH - kTickLength, Step::Frame);
    for (sheet.I = 1; sheet.I <= 10; sheet.I = Increment16(sheet.I)) {
        const double x = Checked(plotW / 10 * sheet.I, Step::Frame);
        FrameLine(surface, x, sheet.PlotH, x, tickTop);
    }
}

} // namespace hc
