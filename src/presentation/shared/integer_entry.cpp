#include "presentation/shared/integer_entry.h"

#include "platform/integer_text.h"

namespace kirvo {

bool ValidateIntegerText(std::string_view text, int max, int min, Interaction& interaction) {
  const std::optional<std::string> problem = IntegerTextProblem(text, max, min);
  if (!problem) return true;
  interaction.Beep();
  interaction.ShowMessage(MessageKind::kWarning, *problem);
  return false;
}

}  // namespace kirvo
