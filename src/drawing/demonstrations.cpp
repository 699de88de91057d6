#include "demonstrations.h"

#include "drawing_surface.h"
#include "fault_status.h"
#include "sheet.h"
#include "sweep.h"

namespace hc {

namespace {

void PlotDemonstration(Sheet& sheet, DrawingSurface& surface, const Curve& f) {
    sheet.K = fp::Div(sheet.PlotW, 10);
    FaultCheck("K");
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
