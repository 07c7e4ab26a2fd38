// Icons of the toolbar commands: the desktop theme's where it has one, else the program's own.
#pragma once

#include <QIcon>

namespace zelvo::gui {

QIcon commandIcon(int commandId);
// The program's icon, for the windows.
QIcon programIcon();

}  // namespace zelvo::gui
