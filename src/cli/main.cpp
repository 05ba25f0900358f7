// kirvo-cli: the command-line face of the Kirvolan core. Output is UTF-8.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "presentation/services/frame_constants.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const std::vector<std::string>&);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"pillars", kirvo::cli::RunPillars, "pillars [--precise] [--folder DIR]  < moments \"YYYY/MM/DD hh:nn\""},
    {"term", kirvo::cli::RunTerm, "term --mode 0|1|2|3 [--precise] [--folder DIR]  < moments \"YYYY/MM/DD hh:nn\""},
    {"settings", kirvo::cli::RunSettingsCheck, "settings check [--folder DIR]"},
    {"depth-report", kirvo::cli::RunDepthReport, "depth-report [--folder DIR] [--now \"YYYY/MM/DD hh:nn\"]"},
    {"chart", kirvo::cli::RunChart,
     "chart [--folder DIR] --name NAME --sex 男|女 --birth \"YYYY/MM/DD hh:nn|99:99\" [--at \"YYYY/MM/DD hh:nn\"] "
     "[--range 0..5] [--original] [--pdf FILE]"},
    {"era", kirvo::cli::RunEra, "era 明治|大正|昭和|平成|令和 YY/MM/DD"},
    {"search", kirvo::cli::RunSearch,
     "search [--year-stem S] [--year-branch B] [--month-stem S] [--month-branch B] [--day-stem S] "
     "[--day-branch B] [--hour-stem S] [--hour-branch B] --from \"YYYY/MM/DD hh:nn\" --to \"YYYY/MM/DD hh:nn\" "
     "[--all] [--folder DIR]"},
    {"natural-time", kirvo::cli::RunNaturalTime,
     "natural-time --minutes N [--equation-of-time]  < moments \"YYYY/MM/DD hh:nn\""},
    {"names", kirvo::cli::RunNames,
     "names summary FILE.nam [--folder DIR] [--at \"YYYY/MM/DD hh:nn\"] [--range 0..5]"},
    {"strips", kirvo::cli::RunStrips,
     "strips [--folder DIR] --name NAME --sex 男|女 --birth \"YYYY/MM/DD hh:nn|99:99\" [--at \"YYYY/MM/DD hh:nn\"] "
     "[--level 0..4]"},
    {"luck", kirvo::cli::RunLuck,
     "luck [--folder DIR] --name NAME --sex 男|女 --birth \"YYYY/MM/DD hh:nn|99:99\" [--at \"YYYY/MM/DD hh:nn\"] "
     "--level 0..4 [--columns N] [--pdf FILE]"},
};

void PrintUsage(std::FILE* stream) {
  std::fputs("使い方: kirvo-cli <command> ...\n", stream);
  for (const Command& command : kCommands) std::fprintf(stream, "  kirvo-cli %s\n", command.usage.data());
  std::fputs("  kirvo-cli --help | --version\n", stream);
}

int Usage() {
  PrintUsage(stderr);
  return 2;
}

bool AsksForHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// Asked for, the usage is the output: standard output and success.
int Help() {
  PrintUsage(stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view name = argv[1];
  if (AsksForHelp(name)) return Help();
  if (name == "--version") {
    std::printf("kirvo-cli %.*s\n", static_cast<int>(kirvo::kProgramVersion.size()),
                kirvo::kProgramVersion.data());
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const std::string& arg : args) {
      if (AsksForHelp(arg)) return Help();
    }
    return command.run(args);
  }
  std::fprintf(stderr, "不明なコマンドです: %s\n", argv[1]);
  return Usage();
}
