#include "support/recording_interaction.h"

namespace kirvo {

bool RecordingInteraction::AskYesNo(std::string_view question) {
  questions.emplace_back(question);
  if (answers_.empty()) return default_answer_;
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace kirvo
