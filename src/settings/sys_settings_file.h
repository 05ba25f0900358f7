#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/outcome.h"
#include "platform/settings_store.h"
#include "settings/branding.h"
#include "settings/sys_load_problems.h"
#include "settings/sys_settings.h"

namespace kirvo {

// The first-start marker: while the program folder has no KIRVO.ini, the colours start from the
// light defaults and the branding's colours.
inline constexpr std::string_view kFirstStartMarkerFile = "KIRVO.ini";

// The settings of section "SysF" and the font sections of an ini file in memory, with the load
// rules applied: a missing key keeps its default; a value that can't be read keeps its default and
// goes to `report`; `MKouChg` stored as 2147483647 becomes 127 and `MKChg` stored so becomes 255;
// `KMCB` and `KCB1` without a valid item get item 1; the naming tables get their fixed row 0 and
// labels and every unusable name its default; `CCnt` outside 5..100 becomes "15" and `CCnt1`
// outside 10..25 becomes "10"; the names in use are built with the special-character code
// `gaiji1`. Background pictures and the first-start colours need the program folder and are
// LoadSysSettings' part.
SysSettings SysSettingsFromIni(const IniFile& ini, std::string_view gaiji1, LoadProblemReport& report);

// Writes every stored key of `settings` into `ini`, leaving its other sections and keys as they are.
void WriteSysSettings(IniFile& ini, const SysSettings& settings);

// Loads SysF.ini of the program folder (a missing file leaves every default). The special
// character of the spirit-star names comes from the per-user value "Sys\Gaiji1" of `store`.
// Background pictures are resolved in the program folder; on a first start (no KIRVO.ini there)
// the colours become the light defaults with `branding`'s colours over them. Whatever could not be
// read is in the report, as one message.
Loaded<SysSettings> LoadSysSettings(const std::filesystem::path& program_folder, const SettingsStore& store,
                                    const std::optional<Branding>& branding);

// Writes the settings into SysF.ini of the program folder, keeping every key the program does not
// know and every line that could not be read.
Status SaveSysSettings(const SysSettings& settings, const std::filesystem::path& program_folder);

}  // namespace kirvo
