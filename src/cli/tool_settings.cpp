#include "cli/tool_settings.h"

#include <cstdio>
#include <system_error>

#include "platform/program_folder.h"
#include "platform/settings_store.h"

namespace kirvo::cli {

Outcome<ToolSettings> LoadToolSettings(const std::optional<std::string>& folder, Interaction& interaction) {
  const std::filesystem::path path = folder ? std::filesystem::path(*folder) : ProgramFolder();
  std::error_code error;
  if (!folder && !std::filesystem::exists(path / "USysF.ini", error)) {
    return ToolSettings{std::nullopt, ShippedSettings()};
  }
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(DefaultSettingsStorePath());
  if (!store) return Outcome<ToolSettings>::Failure(store.error());
  if (!store->LoadProblem().empty()) std::fprintf(stderr, "%s\n", store->LoadProblem().c_str());
  Outcome<ProgramSettings> settings = ReadProgramSettings(path, *store, interaction);
  if (!settings) return Outcome<ToolSettings>::Failure(settings.error());
  return ToolSettings{path, std::move(settings).value()};
}

std::optional<ToolSettings> LoadToolSettingsOrReport(const std::optional<std::string>& folder,
                                                     Interaction& interaction) {
  Outcome<ToolSettings> loaded = LoadToolSettings(folder, interaction);
  if (!loaded) {
    std::fprintf(stderr, "%s\n", loaded.error().c_str());
    return std::nullopt;
  }
  return std::move(loaded).value();
}

}  // namespace kirvo::cli
