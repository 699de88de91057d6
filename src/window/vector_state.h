#pragma once

namespace hc {

// Marks the upper halves of the x86 AVX registers clean (vzeroupper) where the
// processor has AVX; elsewhere it does nothing.
//
// Code that runs inside the Qt event loop leaves them dirty, and on such a
// processor every SSE instruction of the plotting loop then pays a transition
// penalty around glibc's AVX pow: measured here, a press took five times as
// long. The window calls this before each handler.
void ResetVectorState() noexcept;

} // namespace hc
