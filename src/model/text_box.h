#pragma once

namespace hc {

// The window's text boxes, Text1 … Text9. Numbers are read from and written to
// them, and an error that arises while reading one says which.
enum class TextBox { Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9 };

} // namespace hc
