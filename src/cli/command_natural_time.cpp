#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/natural_time.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "platform/integer_text.h"
#include "platform/text_file.h"
#include "presentation/time/natural_time_session.h"

namespace kirvo::cli {
namespace {

constexpr std::string_view kEquationOfTimeFlag = "--equation-of-time";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUsage;
}

}  // namespace

// "natural-time --minutes N [--equation-of-time]": for each standard-time moment "YYYY/MM/DD hh:nn"
// on standard input, the line, a tab and the natural time N minutes later (N east of 135°E is
// positive), as the natural-time dialog converts it. With --equation-of-time the equation of time
// is added (true solar time) and its value follows, a tab, in minutes to one decimal ("+16.4").
// A line that is no moment, or whose natural time is out of range, gets "\tERROR\t" and the reason.
int RunNaturalTime(const std::vector<std::string>& args) {
  std::vector<std::string> options;
  bool with_equation_of_time = false;
  for (const std::string& arg : args) {
    if (arg == kEquationOfTimeFlag) {
      with_equation_of_time = true;
    } else {
      options.push_back(arg);
    }
  }
  const ParsedArguments parsed = ParseOptions(options, {"--minutes"});
  if (!parsed.error.empty()) return UsageError(parsed.error);
  const std::optional<std::string> minutes_text = parsed.Get("--minutes");
  if (!minutes_text) return UsageError("--minutes: 時差（分、東経135度より東が正の整数）を指定してください");
  const std::optional<long long> minutes = ParseInteger(*minutes_text);
  if (!minutes) return UsageError("--minutes: 「" + *minutes_text + "」は整数ではありません");

  const std::optional<std::vector<std::string>> lines = ReadInputLines();
  if (!lines) {
    std::fprintf(stderr, "標準入力が大きすぎます（%ju MB まで）\n", kFileSizeLimitBytes >> 20);
    return kExitUsage;
  }
  std::string out;
  bool any_error = false;
  for (const std::string& line : *lines) {
    out += line;
    const MomentLine parsed_line = ParseMomentLine(line);
    const std::optional<DateTime> natural =
        parsed_line.moment ? NaturalMoment(*parsed_line.moment, *minutes, with_equation_of_time) : std::nullopt;
    if (!natural) {
      out += "\tERROR\t" + (parsed_line.moment ? "変換後の日時が" + OutOfRangeReason() : parsed_line.reason) + "\n";
      any_error = true;
      continue;
    }
    out += '\t' + natural->DateTimeText();
    if (with_equation_of_time) out += '\t' + EquationOfTimeValueText(*parsed_line.moment);
    out += '\n';
  }
  return WriteOutput(out) && !any_error ? 0 : 1;
}

}  // namespace kirvo::cli
