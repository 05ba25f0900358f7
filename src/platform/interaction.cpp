#include "platform/interaction.h"

namespace kirvo {

void ShowLoadReport(const LoadReport& report, Interaction& interaction) {
  if (report.empty()) return;
  interaction.Beep();
  interaction.ShowMessage(MessageKind::kWarning, report.Text());
}

bool ShowFailure(const Status& status, Interaction& interaction) {
  if (!status) interaction.ShowMessage(MessageKind::kError, status.error());
  return status.ok();
}

}  // namespace kirvo
