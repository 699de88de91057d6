#pragma once

#include <QIcon>

namespace hc {

// The program's icon for its windows, in the sizes a window offers its window
// system (title bars, task bars and switchers), each at the screen's ratio
// from a picture drawn for that size at build time. A size is read only when
// the window system asks for it, and by Qt's own PNG reader alone, so that no
// image plugin is loaded while the program starts. Menus and docks show the
// installed icons, which the desktop file names.
QIcon WindowIcon();

} // namespace hc
