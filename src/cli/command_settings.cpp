#include <cstdio>
#include <optional>
#include <string>
#include <system_error>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "settings/sys_settings_check.h"
#include "settings/usys_close_check.h"
#include "settings/usys_settings_file.h"

namespace kirvo::cli {
namespace {

int PrintFailure(const std::string& message) {
  std::printf("%s\n", message.c_str());
  return 1;
}

}  // namespace

// "settings check [--folder DIR]": the close checks of the rule and the system settings, as the
// settings dialogs run them. Prints the first failing message and exits 1, or prints "OK". A folder
// without rule settings has nothing to check: that is the failure.
int RunSettingsCheck(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "check") {
    std::fputs("使い方: kirvo-cli settings check [--folder DIR]\n", stderr);
    return kExitUsage;
  }
  const ParsedArguments parsed = ParseOptions({args.begin() + 1, args.end()}, {"--folder"});
  if (ReportArgumentError(parsed)) return kExitUsage;
  ConsoleInteraction console;
  const std::optional<ApplicationServices> loaded = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!loaded) return kExitUsage;

  if (loaded->program_folder()) {
    const std::filesystem::path rule_file = *loaded->program_folder() / kUSysFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(rule_file, error)) {
      return PrintFailure("「" + rule_file.string() + "」がないため、四柱推命の設定を確かめられません");
    }
  }
  if (const std::optional<CloseCheckFailure> failure = CheckRuleSettings(loaded->settings().usys)) {
    return PrintFailure(failure->message);
  }
  if (const std::optional<CloseCheckFailure> failure = CheckSysSettings(loaded->settings().sys)) {
    return PrintFailure(RefusalText(*failure, loaded->settings().sys));
  }
  std::puts("OK");
  return 0;
}

}  // namespace kirvo::cli
