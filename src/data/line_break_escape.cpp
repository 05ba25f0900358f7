#include "data/line_break_escape.h"

#include "platform/line_ends.h"

namespace kirvo {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    result.append(text.substr(start, at - start)).append(to);
    start = at + from.size();
  }
  result.append(text.substr(start));
  return result;
}

}  // namespace

std::string ExpandLineBreaks(std::string_view stored) { return ReplaceAll(stored, kLineBreakEscape, "\n"); }

std::string EscapeLineBreaks(std::string_view text) { return ReplaceAll(ToNewlineEnds(text), "\n", kLineBreakEscape); }

}  // namespace kirvo
