#include "cli/settings_source.h"

#include <filesystem>

#include "platform/ini_file.h"
#include "settings/calendar_settings.h"
#include "settings/shipped_texts.h"

namespace kirvo::cli {

Outcome<CalendarRules> LoadCalendarRules(const std::optional<std::string>& folder) {
  if (!folder) {
    return CalendarRulesFromIni(IniFile::FromText(ShippedText("USysF.ini")), IniFile::FromText(ShippedText("SysF.ini")));
  }
  if (!std::filesystem::is_directory(*folder)) {
    return Outcome<CalendarRules>::Failure("フォルダがありません: " + *folder);
  }
  const std::filesystem::path base(*folder);
  const Outcome<IniFile> rule_settings = IniFile::Load(base / "USysF.ini");
  if (!rule_settings) return Outcome<CalendarRules>::Failure(rule_settings.error());
  const Outcome<IniFile> system_settings = IniFile::Load(base / "SysF.ini");
  if (!system_settings) return Outcome<CalendarRules>::Failure(system_settings.error());
  return CalendarRulesFromIni(*rule_settings, *system_settings);
}

}  // namespace kirvo::cli
