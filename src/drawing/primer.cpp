#include "drawing/primer.h"

#include "drawing/drawing_surface.h"

#include <array>
#include <string>

namespace hc {

void Primer(DrawingSurface& surface) {
    surface.Circle(500, 600, 300, 0xFF0000);
    const std::array<PrintItem, 3> items = {1000.0, 200.0, std::string("hhhh")};
    surface.Print(items);
}

} // namespace hc
