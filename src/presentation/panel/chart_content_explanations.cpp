#include "presentation/panel/chart_content_explanations.h"

#include <string_view>

#include "data/line_break_escape.h"
#include "platform/line_ends.h"
#include "settings/shipped_texts.h"

namespace kirvo {
namespace {

std::vector<std::string> ExpandedLines(const std::vector<std::string>& stored) {
  std::vector<std::string> lines;
  lines.reserve(stored.size());
  for (const std::string& line : stored) lines.push_back(ExpandLineBreaks(line));
  return lines;
}

std::vector<std::string> ShippedLines(std::string_view name) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(ShippedText(name))) lines.emplace_back(line);
  return lines;
}

}  // namespace

Status FolderExplanations::AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) {
  const Outcome<std::string> explanation = LookUpExplanation(folder_, file, line_number);
  if (!explanation) return Status::Failure(explanation.error());
  text += *explanation;
  return {};
}

Status ReportedExplanations::AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) {
  Status status = files_.AppendExplanation(text, file, line_number);
  if (!status) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kError, status.error());
  }
  return status;
}

LoadedExplanations::LoadedExplanations(const std::vector<std::string>& pattern_lines,
                                       const std::vector<std::string>& spirit_star_lines)
    : lines_{ExpandedLines(pattern_lines), ExpandedLines(spirit_star_lines)} {}

LoadedExplanations LoadedExplanations::Shipped() {
  return LoadedExplanations(ShippedLines(kPatternExplanations.name), ShippedLines(kSpiritStarExplanations.name));
}

Status LoadedExplanations::AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) {
  const std::vector<std::string>& lines = lines_[file.name == kPatternExplanations.name ? 0 : 1];
  // Line 0 reads line 1, as the files' lookup does.
  const std::size_t index = line_number <= 1 ? 0 : static_cast<std::size_t>(line_number - 1);
  if (line_number >= 0 && index < lines.size()) text += lines[index];
  return {};
}

}  // namespace kirvo
