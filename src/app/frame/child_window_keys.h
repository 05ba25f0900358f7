#pragma once

#include <functional>

class QMdiArea;
class QWidget;

namespace kirvo {

// The desktop's keys for the child windows of the main window, where the main window's commands
// give them no other meaning: Ctrl+Tab and Ctrl+Shift+Tab switch to the next and previous child, F6
// (anywhere in the main window) and Esc (in a child window) return to the entry bar through
// `to_entry_bar`. Without them a keyboard user who tabbed into a child could not get back to the
// entry bar. Ctrl+F4 is each child window's own close key and needs no second binding here (two
// bindings of one key cancel each other).
void InstallChildWindowKeys(QWidget& main_window, QMdiArea& area, std::function<void()> to_entry_bar);

}  // namespace kirvo
