#include "platform/console_interaction.h"

#include <unistd.h>

#include <iostream>

namespace kirvo {

void ConsoleInteraction::Beep() {
  if (isatty(STDERR_FILENO)) std::cerr << '\a' << std::flush;
}

void ConsoleInteraction::ShowMessage(MessageKind, std::string_view text) { std::cerr << text << '\n' << std::flush; }

bool ConsoleInteraction::AskYesNo(std::string_view question) {
  std::cerr << question << (answer_yes_ ? " → はい" : " → いいえ") << '\n' << std::flush;
  return answer_yes_;
}

}  // namespace kirvo
