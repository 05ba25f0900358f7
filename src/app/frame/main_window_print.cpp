// The print preview that the prints of the main window's windows open.
#include "app/frame/main_window.h"

namespace kirvo {

PrintPreviewRequest MainWindow::PrintPreview() {
  // No preview dialog in the program yet: an empty request leaves every print command disabled.
  return {};
}

}  // namespace kirvo
