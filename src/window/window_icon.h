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

// Gives the windows their icon once the first of them has painted its first
// frame. Read before it, the icon costs 0.7 ms of a 30 ms start at a ratio of
// 1 and 1.5 ms of 38 at 2 (X11 asks for every size as the window is made),
// which is all of start-up's margin over the same controls with no logic.
void GiveWindowIconAfterFirstFrame();

} // namespace hc
