// What the command line reads: moment lines, term moment texts and command options. A moment that
// is accepted prints back as itself.
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/accepted_moments.h"
#include "calendar/date_time.h"
#include "cli/arguments.h"
#include "cli/moment_input.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const kirvo::cli::MomentLine line = kirvo::cli::ParseMomentLine(text);
  FUZZ_CHECK(line.moment.has_value() == line.reason.empty());
  if (line.moment) {
    FUZZ_CHECK(kirvo::IsAcceptedMoment(*line.moment));
    const kirvo::cli::MomentLine printed = kirvo::cli::ParseMomentLine(line.moment->DateTimeText());
    FUZZ_CHECK(printed.moment == line.moment);
    FUZZ_CHECK(line.moment->TruncatedToMinute() == *line.moment);
  }

  if (const std::optional<kirvo::DateTime> term = kirvo::DateTime::ParseTermMomentText(text)) {
    FUZZ_CHECK(kirvo::DateTime::ParseTermMomentText(term->TermMomentText()) == term);
  }

  // Options: split at NUL bytes; every value taken is the argument after its name.
  std::vector<std::string> args;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    args.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  const kirvo::cli::ParsedArguments parsed = kirvo::cli::ParseOptions(args, {"--folder", "--at", "--name"});
  if (parsed.error.empty()) {
    FUZZ_CHECK(args.size() % 2 == 0);
    for (const auto& [name, value] : parsed.options) {
      bool found = false;
      for (std::size_t i = 0; i + 1 < args.size(); i += 2) found = found || (args[i] == name && args[i + 1] == value);
      FUZZ_CHECK(found);
    }
  }
  return 0;
}
