#include <cstdio>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "settings/sys_settings_check.h"

namespace kirvo::cli {
namespace {

// Keeps the first message of a check instead of showing it, so it can be printed as the result.
class FirstMessage : public Interaction {
 public:
  void Beep() override {}
  void ShowMessage(std::string_view text) override {
    if (!message) message = std::string(text);
  }
  bool AskYesNo(std::string_view) override { return false; }
  std::optional<std::string> message;
};

int PrintFailure(const std::string& message) {
  std::printf("%s\n", message.c_str());
  return 1;
}

}  // namespace

// "settings check [--folder DIR]": the close checks of the rule and the system settings, as the
// settings dialogs run them. Prints the first failing message and exits 1, or prints "OK".
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

  FirstMessage rule_check;
  if (!loaded->settings().usys.CloseCheck(rule_check)) return PrintFailure(rule_check.message.value_or(""));

  FirstMessage system_check;
  if (!PassesSysCloseCheck(loaded->settings().sys, system_check)) return PrintFailure(system_check.message.value_or(""));

  std::puts("OK");
  return 0;
}

}  // namespace kirvo::cli
