#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "platform/outcome.h"

namespace kirvo {

// Collects what could not be read while one settings file loads, so that the user hears of it once,
// in one message, and the load goes on with the defaults.
class LoadProblemReport {
 public:
  explicit LoadProblemReport(std::string file_name) : file_name_(std::move(file_name)) {}

  // A problem with the file as a whole (it could not be read, a line was not Shift-JIS ...).
  void AddFileProblem(std::string message);
  // A value that is not of its key's form; the key keeps its default.
  void AddUnreadableValue(std::string_view section, std::string_view key, std::string_view value);

  bool empty() const { return file_problems_.empty() && values_.empty(); }
  const std::vector<std::string>& unreadable_values() const { return values_; }

  // The one message: the file problems, then the unreadable values (at most kListedValues of
  // them, then their count). Empty when nothing went wrong.
  std::string Message() const;
  // Adds Message() to a loader's report when there is anything to tell.
  void AddTo(LoadReport& report) const;

  static constexpr std::size_t kListedValues = 10;

 private:
  std::string file_name_;
  std::vector<std::string> file_problems_;
  std::vector<std::string> values_;  // "section: key=value"
};

// The value of a key as an int: nothing when the key is absent; when it is present but not a
// decimal integer in int's range, nothing and the value goes to `report`.
std::optional<int> ReadStoredInteger(const IniFile& ini, std::string_view section, std::string_view key,
                                     LoadProblemReport& report);

// A panel colour (stored in the settings files' byte order, see ReadColour): nothing when absent;
// when present but not a colour, nothing and the value goes to `report`.
std::optional<std::uint32_t> ReadStoredColour(const IniFile& ini, std::string_view section, std::string_view key,
                                              LoadProblemReport& report);

}  // namespace kirvo
