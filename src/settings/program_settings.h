#pragma once

#include <filesystem>

#include "platform/outcome.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {

class SettingsStore;

// The rule and system settings of one program folder, read together.
struct ProgramSettings {
  USysSettings usys;
  SysSettings sys;
};

// The settings files shipped with the program, from the copies built into it.
const ProgramSettings& ShippedSettings();

// The settings of a program folder, without applying the first-run rule (nothing is written).
// Problems inside the files leave their defaults and are in the report (USysF.ini, OEM.ini, SysF.ini
// in that order); a folder that does not exist is an error.
Outcome<Loaded<ProgramSettings>> ReadProgramSettings(const std::filesystem::path& folder, const SettingsStore& store);

}  // namespace kirvo
