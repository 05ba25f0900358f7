#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "engine/chart_record.h"
#include "platform/interaction.h"
#include "platform/outcome.h"
#include "presentation/frame/window_state_store.h"
#include "presentation/services/application_services.h"
#include "presentation/shared/dialog_folders.h"

namespace kirvo {

// What every window is handed: the core's services (program folder, per-user store, rule and
// system settings, branding, explanation texts) loaded in the order start-up asks for them, and the
// title and help file the branding decides.
class AppServices {
 public:
  // Opens the per-user store of `store_file`. Fails with a message when it cannot be read.
  static Outcome<std::unique_ptr<AppServices>> Open(std::filesystem::path program_folder,
                                                    const std::filesystem::path& store_file,
                                                    Interaction& interaction);

  // The core's services, which chart sessions and content models read.
  ApplicationServices& core() { return core_; }
  const ApplicationServices& core() const { return core_; }

  const std::filesystem::path& program_folder() const { return *core_.program_folder(); }
  SettingsStore& store() { return *core_.store(); }
  const std::filesystem::path& store_file() const { return store_file_; }
  Interaction& interaction() { return core_.interaction(); }

  // OEM.ini: the title and help file it brands; without it the application's own.
  void LoadBranding();
  const std::optional<Branding>& branding() const { return core_.branding(); }
  const std::string& title() const { return title_; }
  // The help file in use, as a name in the program folder.
  const std::string& help_file() const { return help_file_; }

  // SysF.ini, then USysF.ini (with its hidden-stem file and the first-run rule), as the settings
  // windows load them; what can't be read is shown once.
  void LoadSystemSettings();
  void LoadRuleSettings();
  SysSettings& sys() { return core_.settings().sys; }
  const SysSettings& sys() const { return core_.settings().sys; }
  USysSettings& usys() { return core_.settings().usys; }
  const USysSettings& usys() const { return core_.settings().usys; }
  // The settings written again at exit; failures are shown and returned. A settings file that could
  // not be read was told at start and is left as it is, without another message.
  Status SaveSystemSettings();
  Status SaveRuleSettings();

  ExplanationSource& explanations() { return core_.explanations(); }

  // Where every window keeps its placement: the per-user store and KIRVO.ini.
  WindowStateStore& window_states() { return window_states_; }

  // Where the file dialogs open, per kind of file.
  DialogFolders& dialog_folders() { return dialog_folders_; }

  // "Dir" and "Ver" of the per-user store, written at every start.
  void WriteStartValues();

 private:
  AppServices(ApplicationServices core, std::filesystem::path store_file);

  ApplicationServices core_;
  WindowStateStore window_states_;
  std::filesystem::path store_file_;
  std::string title_;
  std::string help_file_;
  DialogFolders dialog_folders_;
};

}  // namespace kirvo
