#include "settings/sys_load_problems.h"

#include <cstdint>
#include <limits>

#include "platform/integer_text.h"
#include "platform/ini_controls.h"

namespace kirvo {

void LoadProblemReport::AddFileProblem(std::string message) { file_problems_.push_back(std::move(message)); }

void LoadProblemReport::AddUnreadableValue(std::string_view section, std::string_view key, std::string_view value) {
  values_.push_back("[" + std::string(section) + "] " + std::string(key) + "=" + std::string(value));
}

std::string LoadProblemReport::Message() const {
  std::string message;
  for (const std::string& problem : file_problems_) message += problem + "\n";
  if (!values_.empty()) {
    message += "「" + file_name_ + "」の次の値は読めないため、初期値を使います。\n";
    for (std::size_t i = 0; i < values_.size() && i < kListedValues; ++i) message += values_[i] + "\n";
    if (values_.size() > kListedValues) {
      message += "ほか " + std::to_string(values_.size() - kListedValues) + " 件\n";
    }
  }
  if (!message.empty()) message.pop_back();
  return message;
}

void LoadProblemReport::AddTo(LoadReport& report) const {
  if (!empty()) report.Add(Message());
}

std::optional<int> ReadStoredInteger(const IniFile& ini, std::string_view section, std::string_view key,
                                     LoadProblemReport& report) {
  const std::optional<std::string> stored = ini.Find(section, key);
  if (!stored) return std::nullopt;
  const std::optional<long long> value = ParseInteger(*stored);
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
    report.AddUnreadableValue(section, key, *stored);
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

std::optional<std::uint32_t> ReadStoredColour(const IniFile& ini, std::string_view section, std::string_view key,
                                              LoadProblemReport& report) {
  const std::optional<std::string> stored = ini.Find(section, key);
  if (!stored) return std::nullopt;
  constexpr std::uint32_t kNotAColour = 0xFFFFFFFFu;  // ReadColour's fallback, never a 24-bit colour
  const std::uint32_t colour = ReadColour(ini, section, key, kNotAColour);
  if (colour == kNotAColour) {
    report.AddUnreadableValue(section, key, *stored);
    return std::nullopt;
  }
  return colour;
}

}  // namespace kirvo
