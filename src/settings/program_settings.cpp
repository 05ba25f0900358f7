#include "settings/program_settings.h"

#include <system_error>

#include "platform/ini_file.h"
#include "settings/branding.h"
#include "settings/shipped_texts.h"
#include "settings/spirit_star_slots.h"
#include "settings/sys_load_problems.h"
#include "settings/sys_settings_file.h"

namespace kirvo {

const ProgramSettings& ShippedSettings() {
  static const ProgramSettings kShipped = [] {
    std::string problems;
    LoadProblemReport report("SysF.ini");
    return ProgramSettings{USysSettings::FromIni(IniFile::FromText(ShippedText("USysF.ini")), problems),
                           SysSettingsFromIni(IniFile::FromText(ShippedText("SysF.ini")), kDefaultGaiji1, report)};
  }();
  return kShipped;
}

Outcome<ProgramSettings> ReadProgramSettings(const std::filesystem::path& folder, const SettingsStore& store,
                                             Interaction& interaction) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    const bool something_else = std::filesystem::exists(folder, error);
    return Outcome<ProgramSettings>::Failure((something_else ? "フォルダではありません: " : "フォルダがありません: ") +
                                             folder.string());
  }
  ProgramSettings settings;
  settings.usys.Load(folder, store, interaction, FirstRunRule::kSkip);
  settings.sys = LoadSysSettings(folder, store, LoadBranding(folder, interaction), interaction);
  return settings;
}

}  // namespace kirvo
