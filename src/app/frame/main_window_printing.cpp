// The main window's print preview: every child window's print command comes here.
#include <QPointer>

#include "app/frame/command_seams.h"
#include "app/frame/main_window.h"
#include "app/printing/print_preview_dialog.h"
#include "app/services/app_services.h"

namespace kirvo {

void MainWindow::ShowPrintPreview(PrintJob job) {
  QPointer<QMdiSubWindow> asking = client_->activeSubWindow();
  auto* preview =
      new PrintPreviewDialog({services_.sys(), services_.store(), services_.window_states(), services_.interaction(),
                              *print_dialogs_, [this] { ShowHelpTopic(this, services_, HelpTopic::kPrintPreview); }},
                             std::move(job), this);
  preview->setAttribute(Qt::WA_DeleteOnClose);
  connect(preview, &QDialog::finished, this, [this, asking] {
    if (asking) client_->setActiveSubWindow(asking);
  });
  preview->open();
}

PrintPreviewRequest MainWindow::PrintPreviewHook() {
  return [this](PrintJob job) { ShowPrintPreview(std::move(job)); };
}

}  // namespace kirvo
