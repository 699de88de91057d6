#include "drawing/demonstrations.h"

#include "drawing/drawing_surface.h"
#include "drawing/sweep.h"
#include "model/fault_status.h"
#include "model/sheet.h"

namespace hc {

namespace {

void PlotDemonstration(Sheet& sheet, DrawingSurface& surface, const Curve& f) {
    sheet.K = fp::Div(sheet.PlotW, kPlotUnits);
    FaultCheck(Step::Scale);
    Sweep(sheet, surface, f, -2.0f, 2.0f, 0.002f);
}

} // namespace

void PlotCube(Sheet& sheet, DrawingSurface& surface) {
    PlotDemonstration(sheet, surface, Cube);
}

void PlotSquare(Sheet& sheet, DrawingSurface& surface) {
    PlotDemonstration(sheet, surface, Square);
}

} // namespace hc
