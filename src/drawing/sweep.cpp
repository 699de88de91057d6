#include "drawing/sweep.h"

#include "drawing/drawing_surface.h"
#include "model/fault_status.h"
#include "model/sheet.h"
#include "model/stepped_loop.h"

namespace hc {

void Sweep(Sheet& sheet, DrawingSurface& surface, const Curve& f, float start, float end,
           float step) {
    sheet.XHolds = Abscissa::Plotted;
    SteppedLoop(sheet.X, start, end, step, [&] {
        const double surfaceY = Checked(sheet.PlotH - fp::Value(f(sheet.X)) * sheet.K, Step::Sweep);
        // An ordinate beyond binary32 is caught by the check after the x sum.
        const float surfaceY32 = fp::ToSingle(surfaceY);
        const double surfaceX =
            Checked(fp::Value(sheet.X) * sheet.K + fp::Value(sheet.PlotW) / 2, Step::Sweep);
        surface.PSet(fp::ToSingle(surfaceX), surfaceY32);
    });
}

} // namespace hc
