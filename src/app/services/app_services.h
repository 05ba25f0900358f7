#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "engine/chart_record.h"
#include "platform/interaction.h"
#include "platform/outcome.h"
#include "platform/settings_store.h"
#include "presentation/chart_content_explanations.h"
#include "settings/branding.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {

// What every window is handed: the program folder, the per-user settings store, the rule and
// system settings of the run, the branding and the explanation texts. All loading from the core
// happens here, in the order start-up asks for it.
class AppServices {
 public:
  // Opens the per-user store of `store_file`. Fails with a message when it cannot be read.
  static Outcome<std::unique_ptr<AppServices>> Open(std::filesystem::path program_folder,
                                                    const std::filesystem::path& store_file,
                                                    Interaction& interaction);

  const std::filesystem::path& program_folder() const { return program_folder_; }
  SettingsStore& store() { return *store_; }
  const std::filesystem::path& store_file() const { return store_file_; }
  Interaction& interaction() { return interaction_; }

  // OEM.ini: the title and help file it brands; without it the application's own.
  void LoadBranding();
  const std::optional<Branding>& branding() const { return branding_; }
  const std::string& title() const { return title_; }
  // The help file in use, as a name in the program folder.
  const std::string& help_file() const { return help_file_; }

  // SysF.ini, then USysF.ini (with its hidden-stem file), as the settings windows load them.
  void LoadSystemSettings();
  void LoadRuleSettings();
  SysSettings& sys() { return sys_; }
  const SysSettings& sys() const { return sys_; }
  USysSettings& usys() { return usys_; }
  const USysSettings& usys() const { return usys_; }
  // The settings windows write their files when they close; failures are shown and returned.
  Status SaveSystemSettings();
  Status SaveRuleSettings();

  ExplanationSource& explanations() { return explanations_; }

  // "Dir" and "Ver" of the per-user store, written at every start.
  void WriteStartValues();

  // The chart of `input` at its default chart moment as the chart window copies it as text: the
  // board, the relation lists and the side panel's tables. Fails with a message when the date or
  // time is unusable or the chart moment lies outside the ages a chart accepts.
  Outcome<std::string> ChartTextOf(const BirthInput& input, LuckRange range);

 private:
  AppServices(std::filesystem::path program_folder, std::filesystem::path store_file,
              std::unique_ptr<FileSettingsStore> store, Interaction& interaction);

  std::filesystem::path program_folder_;
  std::filesystem::path store_file_;
  std::unique_ptr<FileSettingsStore> store_;
  Interaction& interaction_;
  std::optional<Branding> branding_;
  std::string title_;
  std::string help_file_;
  SysSettings sys_;
  USysSettings usys_;
  FolderExplanations explanations_;
};

}  // namespace kirvo
