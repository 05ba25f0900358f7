#pragma once

#include <QIcon>

namespace kirvo {

// The program's icon (four pillars under a sun-and-moon disc), in every size it is drawn in; set as
// the application's window icon, so that the main window, the child windows and the dialogs all
// show it instead of the toolkit's own.
QIcon ProgramIcon();

}  // namespace kirvo
