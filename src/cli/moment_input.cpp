#include "cli/moment_input.h"

#include <cstdio>

#include "calendar/accepted_moments.h"
#include "platform/text_file.h"

namespace kirvo::cli {

std::optional<std::vector<std::string>> ReadInputLines() {
  std::string input;
  char buffer[1 << 16];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    input.append(buffer, read);
    if (input.size() > kFileSizeLimitBytes) return std::nullopt;
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    std::string line = input.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string OutOfRangeReason() { return "扱える範囲の外の日時です (" + AcceptedMomentRangeText() + ")"; }

MomentLine ParseMomentLine(const std::string& line) {
  if (line.empty()) return {std::nullopt, "空の行です"};
  const auto moment = DateTime::ParseDateTimeText(line);
  if (!moment) return {std::nullopt, "日時ではありません (YYYY/MM/DD hh:nn、西暦1～9999年)"};
  if (!IsAcceptedMoment(*moment)) return {std::nullopt, OutOfRangeReason()};
  return {moment, {}};
}

bool WriteOutput(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

int ProcessMomentLines(const std::function<void(std::string& out, DateTime moment)>& append) {
  const std::optional<std::vector<std::string>> lines = ReadInputLines();
  if (!lines) {
    std::fprintf(stderr, "標準入力が大きすぎます（%ju MB まで）\n", kFileSizeLimitBytes >> 20);
    return 2;
  }
  std::string out;
  bool any_error = false;
  for (const std::string& line : *lines) {
    out += line;
    const MomentLine parsed = ParseMomentLine(line);
    if (parsed.moment) {
      append(out, *parsed.moment);
    } else {
      out += "\tERROR\t" + parsed.reason;
      any_error = true;
    }
    out += '\n';
  }
  return WriteOutput(out) && !any_error ? 0 : 1;
}

}  // namespace kirvo::cli
