#include "null_surface.h"

namespace hc {

NullSurface::NullSurface()
    : texts_{"1.4", "2", "2.5", "Text4", "", "3.3", "Длина цепи", "", "Text9"} {}

bool NullSurface::DoText(TextBox box, std::string& text) {
    text = texts_[static_cast<std::size_t>(box) - 1];
    return true;
}

bool NullSurface::DoSetText(TextBox box, std::string_view text) {
    texts_[static_cast<std::size_t>(box) - 1] = text;
    return true;
}

} // namespace hc
