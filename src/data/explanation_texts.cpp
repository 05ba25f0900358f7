#include "data/explanation_texts.h"

#include <system_error>

#include "data/line_break_escape.h"
#include "platform/ascii.h"
#include "platform/line_ends.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

template <class Names>
std::vector<std::string> EntriesFromOne(const Names& names, int entry_count) {
  return std::vector<std::string>(names.begin() + 1, names.begin() + 1 + entry_count);
}

}  // namespace

std::vector<std::string> PatternExplanationEntries(const PatternNames& names) {
  return EntriesFromOne(names, kPatternExplanations.entry_count);
}

std::vector<std::string> SpiritStarExplanationEntries(const SpiritStarSlotNames& names) {
  return EntriesFromOne(names, kSpiritStarExplanations.entry_count);
}

std::filesystem::path ExplanationFilePath(const std::filesystem::path& folder, std::string_view name) {
  const std::filesystem::path exact = folder / std::filesystem::path(name);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (EqualsIgnoringAsciiCase(it->path().filename().string(), name)) return it->path();
  }
  return exact;
}

Outcome<std::vector<std::string>> ReadExplanationLines(const std::filesystem::path& path) {
  const Outcome<std::string> text = ReadShiftJisFile(path);
  if (!text) return Outcome<std::vector<std::string>>::Failure(text.error());
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(*text)) lines.emplace_back(line);
  return lines;
}

Status WriteExplanationLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).push_back('\n');
  return WriteShiftJisFile(path, text);
}

Outcome<std::string> LookUpExplanation(const std::filesystem::path& folder, const ExplanationFile& file,
                                       int line_number) {
  const std::filesystem::path path = ExplanationFilePath(folder, file.name);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return Outcome<std::string>::Failure("『" + std::string(file.name) + "』がありません");
  }
  const Outcome<std::vector<std::string>> lines = ReadExplanationLines(path);
  if (!lines) return Outcome<std::string>::Failure(lines.error());
  const std::size_t index = line_number <= 1 ? 0 : static_cast<std::size_t>(line_number - 1);
  if (line_number < 0 || index >= lines->size()) return std::string();
  return ExpandLineBreaks((*lines)[index]);
}

}  // namespace kirvo
