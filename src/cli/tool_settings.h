#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/interaction.h"
#include "platform/outcome.h"
#include "settings/program_settings.h"

namespace kirvo::cli {

// The settings the tool works with: those of --folder DIR, else those of the program folder (the
// executable's, or KIRVO_HOME), else — when the program folder holds no settings files — the
// shipped defaults built into the tool. Nothing is written anywhere.
struct ToolSettings {
  std::optional<std::filesystem::path> folder;  // where the settings came from, if a folder
  ProgramSettings settings;
};

// Fails with a message for standard error when the named folder or the per-user store can't be
// read; problems inside the files are shown through `interaction` and leave their defaults.
Outcome<ToolSettings> LoadToolSettings(const std::optional<std::string>& folder, Interaction& interaction);

// The same for a command: its failure is written to standard error, and the command then exits 2.
std::optional<ToolSettings> LoadToolSettingsOrReport(const std::optional<std::string>& folder,
                                                     Interaction& interaction);

}  // namespace kirvo::cli
