#include "commands/window_handlers.h"

#include "drawing/drawing_surface.h"
#include "drawing/frame.h"
#include "model/sheet.h"

namespace hc {

void ActivateHandler(Sheet& sheet, DrawingSurface& surface) {
    surface.SetWidth(kActivatedWidth);
    surface.SetHeight(kWindowHeight);
    ResetSheet(sheet);
    DrawFrame(sheet, surface);
}

void ClearCommand(Sheet& sheet, DrawingSurface& surface) {
    surface.Cls();
    surface.SetWidth(kClearedWidth);
    surface.SetHeight(kWindowHeight);
    ResetSheet(sheet);
    DrawFrame(sheet, surface);
}

} // namespace hc
