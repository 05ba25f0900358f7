#include <cstdio>
#include <optional>
#include <string>

#include "calendar/era_dates.h"
#include "cli/arguments.h"
#include "cli/commands.h"

namespace kirvo::cli {

// "era ERA YY/MM/DD": what the era entry dialog makes of an era date: the Gregorian date
// "YYYY/MM/DD", a tab, and the era text the field then shows (era name, a blank, "YY/MM/DD").
// Where the dialog shows an error box, the line is still printed, the box's message goes to
// standard error and the exit status is 1.
int RunEra(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fputs("使い方: kirvo-cli era 明治|大正|昭和|平成|令和 YY/MM/DD\n", stderr);
    return kExitUsage;
  }
  const std::optional<int> era = EraIndexOf(args[0]);
  if (!era) {
    std::fprintf(stderr, "元号は 明治 大正 昭和 平成 令和 のどれかです: %s\n", args[0].c_str());
    return kExitUsage;
  }
  const std::optional<EraEntry> entry = ConvertEraText(*era, args[1]);
  if (!entry) {
    std::fprintf(stderr, "和暦の日付ではありません (YY/MM/DD): %s\n", args[1].c_str());
    return kExitUsage;
  }
  std::printf("%s\t%s %s\n", entry->date.DateText().c_str(), std::string(kEras[entry->era].name).c_str(),
              entry->text.c_str());
  if (std::fflush(stdout) != 0) return 1;
  if (!entry->error) return 0;
  std::fprintf(stderr, "%s\n", entry->error->c_str());
  return 1;
}

}  // namespace kirvo::cli
