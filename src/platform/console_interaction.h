#pragma once

#include <string_view>

#include "platform/interaction.h"

namespace kirvo {

// The command-line tool's side of the conversation: everything goes to standard error, and a
// question takes the answer chosen when the tool was started (there is nobody to ask).
class ConsoleInteraction : public Interaction {
 public:
  explicit ConsoleInteraction(bool answer_yes = false) : answer_yes_(answer_yes) {}

  void Beep() override;  // a bell, only when standard error is a terminal
  // The text alone: standard error has no icon to show the kind with.
  void ShowMessage(MessageKind kind, std::string_view text) override;
  bool AskYesNo(std::string_view question) override;

 private:
  bool answer_yes_;
};

}  // namespace kirvo
