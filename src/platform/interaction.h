#pragma once

#include <string_view>

namespace kirvo {

// What the core needs from the person at the screen: a beep, a message with one OK button and a
// Yes/No question. The desktop windows implement it with real boxes; the command-line tool
// writes to standard error; tests record the calls.
class Interaction {
 public:
  virtual ~Interaction() = default;
  virtual void Beep() = 0;
  virtual void ShowMessage(std::string_view text) = 0;
  // True for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;
};

}  // namespace kirvo
