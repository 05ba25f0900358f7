#include "platform/interaction.h"

#include "platform/outcome.h"

namespace kirvo {

void ShowLoadReport(const LoadReport& report, Interaction& interaction) {
  if (report.empty()) return;
  interaction.Beep();
  interaction.ShowMessage(MessageKind::kWarning, report.Text());
}

}  // namespace kirvo
