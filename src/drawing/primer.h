#pragma once

namespace hc {

class DrawingSurface;

// A circle and a printed line: a public operation of the window that no
// control invokes.
void Primer(DrawingSurface& surface);

} // namespace hc
