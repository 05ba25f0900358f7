#include "settings/program_settings.h"

#include <system_error>

#include "platform/ini_file.h"
#include "settings/branding.h"
#include "settings/shipped_texts.h"
#include "settings/spirit_star_slots.h"
#include "settings/sys_settings_file.h"
#include "settings/usys_settings_file.h"

namespace kirvo {

const ProgramSettings& ShippedSettings() {
  static const ProgramSettings kShipped = [] {
    LoadProblemReport sys_problems("SysF.ini");
    LoadReport usys_problems;
    return ProgramSettings{
        USysSettingsFromIni(IniFile::FromText(ShippedText("USysF.ini")), usys_problems),
        SysSettingsFromIni(IniFile::FromText(ShippedText("SysF.ini")), kDefaultGaiji1, sys_problems)};
  }();
  return kShipped;
}

Outcome<Loaded<ProgramSettings>> ReadProgramSettings(const std::filesystem::path& folder, const SettingsStore& store) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    const bool something_else = std::filesystem::exists(folder, error);
    return Outcome<Loaded<ProgramSettings>>::Failure(
        (something_else ? "フォルダではありません: " : "フォルダがありません: ") + folder.string());
  }
  Loaded<ProgramSettings> loaded;
  Loaded<USysSettings> usys = LoadUSysSettings(folder, store, FirstRunRule::kSkip);
  Loaded<std::optional<Branding>> branding = LoadBranding(folder);
  Loaded<SysSettings> sys = LoadSysSettings(folder, store, branding.value);
  loaded.value = ProgramSettings{std::move(usys.value), std::move(sys.value)};
  loaded.report.Append(usys.report);
  loaded.report.Append(branding.report);
  loaded.report.Append(sys.report);
  return loaded;
}

}  // namespace kirvo
