#include "platform/line_ends.h"

namespace kirvo {
namespace {

// Calls `line(text)` for each line and `end()` after each line that had a line end.
template <class OnLine, class OnEnd>
void WalkLines(std::string_view text, OnLine line, OnEnd end) {
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' && text[at] != '\n') continue;
    line(text.substr(start, at - start));
    end();
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  if (start < text.size()) line(text.substr(start));
}

std::string WithLineEnd(std::string_view text, std::string_view line_end) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  WalkLines(
      text, [&](std::string_view line) { result += line; }, [&] { result += line_end; });
  return result;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  WalkLines(
      text, [&](std::string_view line) { lines.push_back(line); }, [] {});
  return lines;
}

std::vector<std::string_view> SplitLinesKeepingEnds(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' && text[at] != '\n') continue;
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    lines.push_back(text.substr(start, at + 1 - start));
    start = at + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string ToNewlineEnds(std::string_view text) { return WithLineEnd(text, "\n"); }

std::string ToCrLfEnds(std::string_view text) { return WithLineEnd(text, "\r\n"); }

}  // namespace kirvo
