#include "drawing/sweep.h"

#include "drawing/drawing_surface.h"
#include "model/fault_status.h"
#include "model/sheet.h"
#include "model/stepped_loop.h"

namespace hc {

void Sweep(Sheet& sheet, DrawingSurface& surface, const Curve& f, float start, float end,
           float step) {
    SteppedLoop(sheet.X, start, end, step, [&] {
        const double y = f(sheet.X);
        const double surfaceY = fp::Sub(sheet.PlotH, fp::Mul(y, sheet.K));
        FaultCheck(Step::Sweep);
        // An ordinate beyond binary32 is caught by the check after the x sum.
        const float surfaceY32 = fp::ToSingle(surfaceY);
        const double surfaceX = fp::Add(fp::Mul(sheet.X, sheet.K), fp::Div(sheet.PlotW, 2));
        FaultCheck(Step::Sweep);
        surface.PSet(fp::ToSingle(surfaceX), surfaceY32);
    });
}

} // namespace hc
