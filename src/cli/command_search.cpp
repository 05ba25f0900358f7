#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/sexagenary.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "presentation/time/date_search_form.h"
#include "settings/calendar_settings.h"

namespace kirvo::cli {
namespace {

constexpr std::string_view kAllFlag = "--all";
constexpr const char* kUsage =
    "使い方: kirvo-cli search [--year-stem S] [--year-branch B] [--month-stem S] [--month-branch B] "
    "[--day-stem S] [--day-branch B] [--hour-stem S] [--hour-branch B] --from \"YYYY/MM/DD hh:nn\" "
    "--to \"YYYY/MM/DD hh:nn\" [--all] [--folder DIR]\n";

// The options of the eight choices, in the dialog's order.
constexpr std::array<const char*, kPatternChoices> kChoiceOptions = {
    "--year-stem", "--year-branch", "--month-stem", "--month-branch",
    "--day-stem",  "--day-branch",  "--hour-stem",  "--hour-branch"};

// A choice's index from a stem or branch name: 0 when the option is absent.
std::optional<int> ChoiceOf(std::size_t control, const std::optional<std::string>& name) {
  if (!name) return 0;
  const std::optional<int> index =
      control % 2 == 0 ? std::optional<int>(StemIndexOf(*name)) : std::optional<int>(BranchIndexOf(*name));
  if (!index) return std::nullopt;
  return *index + 1;
}

// "YYYY/MM/DD hh:nn" split into the dialog's date and time fields.
bool SplitMoment(const std::optional<std::string>& text, std::string& date, std::string& time) {
  if (!text) return false;
  const std::size_t blank = text->find(' ');
  if (blank == std::string::npos) return false;
  date = text->substr(0, blank);
  time = text->substr(blank + 1);
  return true;
}

}  // namespace

// "search …": the date search dialog's walk over a range. Prints the moment it would deliver to
// the entry bar ("YYYY/MM/DD hh:nn", "99:99" as the time when both hour choices are open), or, with
// --all, every moment the walk matches ("YYYY/MM/DD hh:nn", its own time even with the hour open:
// each double-hour of a matching day is a match of its own), one per line, each search resuming
// after the last match. None:
// the not-found message on standard error and exit 1.
int RunSearch(const std::vector<std::string>& args) {
  std::vector<std::string> options;
  bool all = false;
  for (const std::string& arg : args) {
    if (arg == kAllFlag) {
      all = true;
    } else {
      options.push_back(arg);
    }
  }
  std::set<std::string> known = {"--from", "--to", "--folder"};
  known.insert(kChoiceOptions.begin(), kChoiceOptions.end());
  const ParsedArguments parsed = ParseOptions(options, known);
  if (ReportArgumentError(parsed)) return kExitUsage;

  DateSearchForm form;
  for (std::size_t i = 0; i < kPatternChoices; ++i) {
    const std::optional<int> choice = ChoiceOf(i, parsed.Get(kChoiceOptions[i]));
    if (!choice) {
      std::fprintf(stderr, "%s は%sの名前ではありません: %s\n", kChoiceOptions[i], i % 2 == 0 ? "干" : "支",
                   parsed.Get(kChoiceOptions[i])->c_str());
      return kExitUsage;
    }
    form.pattern[i] = *choice;
  }
  if (!SplitMoment(parsed.Get("--from"), form.start_date, form.start_time) ||
      !SplitMoment(parsed.Get("--to"), form.end_date, form.end_time)) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  const auto checked = CheckDateSearchForm(form);
  if (const auto* refusal = std::get_if<SearchRefusal>(&checked)) {
    std::fprintf(stderr, "%s\n", refusal->message.empty() ? "--from と --to は \"YYYY/MM/DD hh:nn\" の日時です"
                                                           : refusal->message.c_str());
    return kExitUsage;
  }
  ConsoleInteraction console;
  const std::optional<ApplicationServices> services = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!services) return kExitUsage;
  const CalendarRules rules = CalendarRulesOf(services->settings().usys, services->settings().sys);

  const SearchRange range = std::get<SearchRange>(checked);
  PillarSearch search(form.pattern, range.start, range.end, rules);
  int found = 0;
  for (;;) {
    const PillarSearch::Progress progress = search.Step();
    if (progress == PillarSearch::Progress::kPassedEnd) break;
    if (progress != PillarSearch::Progress::kFound) continue;
    if (all) {
      std::printf("%s\n", search.candidate().DateTimeText().c_str());
    } else {
      const FoundEntry entry = EntryOfMatch(search.candidate(), form.pattern, rules);
      std::printf("%s %s\n", entry.date.c_str(), entry.time.c_str());
    }
    ++found;
    if (!all) break;
    search.Resume();
  }
  if (std::fflush(stdout) != 0) return 1;
  if (found > 0) return 0;
  std::fprintf(stderr, "%s\n", std::string(kNotFoundMessage).c_str());
  return 1;
}

}  // namespace kirvo::cli
