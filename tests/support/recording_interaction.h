#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace kirvo {

// An Interaction for tests: records every beep, message (with its kind) and question, and answers questions from a
// queue of scripted answers, then with the default answer once the queue is empty.
class RecordingInteraction : public Interaction {
 public:
  explicit RecordingInteraction(bool default_answer = false) : default_answer_(default_answer) {}

  void Beep() override { ++beeps; }
  void Refuse(std::string_view reason) override {
    ++beeps;
    refusals.emplace_back(reason);
  }
  void ShowMessage(MessageKind kind, std::string_view text) override {
    messages.emplace_back(text);
    kinds.push_back(kind);
  }
  bool AskYesNo(std::string_view question) override;

  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  void SetDefaultAnswer(bool yes) { default_answer_ = yes; }

  int beeps = 0;
  std::vector<std::string> messages;
  std::vector<MessageKind> kinds;  // of each message
  std::vector<std::string> questions;
  std::vector<std::string> refusals;  // the reasons of refusals, each also counted as a beep

 private:
  std::deque<bool> answers_;
  bool default_answer_;
};

}  // namespace kirvo
