// Icons of the toolbar commands: the desktop theme's where it has one, else the program's own.
#pragma once

#include <QIcon>

#include "shell/command_ids.h"

namespace zelvo::gui {

QIcon commandIcon(shell::CommandId id);
// The program's icon, for the windows.
QIcon programIcon();

}  // namespace zelvo::gui
