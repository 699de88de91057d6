#pragma once

#include <QIcon>

namespace hc {

// The program's icon for its windows, in the sizes drawn for it at build time.
// A size is read only when the window system asks for it, and by Qt's own PNG
// reader alone, so that no image plugin is loaded while the program starts.
// Windows asks for two sizes; X11 is handed those its window managers draw
// (title bars, task bars and switchers, 16 to 64 pixels at the screen's
// ratio); Wayland asks for none. Menus and docks show the installed icons,
// which the desktop file names.
QIcon WindowIcon();

// Gives the windows their icon once the first of them has painted its first
// frame and everything queued for that frame has run: reading the icon and
// handing it over then delays nothing the user is waiting to see, and it is
// handed over once rather than again when each window is made.
void GiveWindowIconAfterFirstFrame();

} // namespace hc
