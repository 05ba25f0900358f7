#pragma once

#include <string_view>

#include "platform/outcome.h"

namespace kirvo {

// The icon of a message box: a note, a refused input or doubtful file, a failed operation.
enum class MessageKind { kInformation, kWarning, kError };

// What a dialog needs from the person at the screen: a beep, a message with one OK button and a
// Yes/No question. The desktop windows implement it with real boxes; the command-line tool
// writes to standard error; tests record the calls.
class Interaction {
 public:
  virtual ~Interaction() = default;
  virtual void Beep() = 0;
  // A refused input or command: the beep, and `reason` shown where the person is looking until the
  // next input, since most desktops make no sound. An empty reason is the beep alone.
  virtual void Refuse(std::string_view reason) {
    static_cast<void>(reason);
    Beep();
  }
  virtual void ShowMessage(MessageKind kind, std::string_view text) = 0;
  // True for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;
};

// A load report that is not empty, shown once as a warning with a beep.
void ShowLoadReport(const LoadReport& report, Interaction& interaction);

// A failed operation's message shown as an error (no beep: the user did nothing wrong); nothing
// for a success. True when the operation succeeded, so a caller can stop on false.
bool ShowFailure(const Status& status, Interaction& interaction);
template <class T>
bool ShowFailure(const Outcome<T>& outcome, Interaction& interaction) {
  if (!outcome) interaction.ShowMessage(MessageKind::kError, outcome.error());
  return outcome.ok();
}

}  // namespace kirvo
