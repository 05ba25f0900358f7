#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "engine/chart_record.h"
#include "platform/interaction.h"
#include "platform/outcome.h"
#include "platform/settings_store.h"
#include "presentation/panel/chart_content.h"
#include "presentation/panel/chart_content_explanations.h"
#include "settings/branding.h"
#include "settings/program_settings.h"

namespace kirvo {

// What every window and command works with: the program folder, the per-user store, the rule and
// system settings, the branding and the explanation texts. One value is built at start-up and
// handed to the windows through their constructors; nothing reads these globally.
//
// The shipped defaults built into the program stand in for a program folder that holds no
// settings files (the command-line tool without --folder); such services have no folder, no store
// and no branding, and take their explanation texts from the program too.
class ApplicationServices {
 public:
  // The services of `folder`, or of the program folder (the executable's, or KIRVO_HOME) when no
  // folder is named; when that folder holds no USysF.ini, the shipped defaults. Nothing is written.
  // Fails with a message when the named folder or the per-user store can't be read; problems inside
  // the files go to `interaction` and leave their defaults. `interaction` must outlive the services.
  static Outcome<ApplicationServices> Load(const std::optional<std::filesystem::path>& folder,
                                           Interaction& interaction);
  // The shipped defaults alone.
  static ApplicationServices Shipped(Interaction& interaction);
  // The services of a program folder whose files the caller loads step by step (the desktop's
  // start-up order): the per-user store of `store_file` opened, the settings at their defaults, no
  // branding, the explanation texts of the folder. Fails with a message when the store can't be
  // read; a store with unreadable lines is shown as a warning.
  static Outcome<ApplicationServices> Open(const std::filesystem::path& program_folder,
                                           const std::filesystem::path& store_file, Interaction& interaction);

  ApplicationServices(ApplicationServices&&) noexcept = default;
  ApplicationServices& operator=(ApplicationServices&&) noexcept = default;

  const std::optional<std::filesystem::path>& program_folder() const { return program_folder_; }
  // The per-user store; nothing for the shipped defaults.
  SettingsStore* store() const { return store_.get(); }
  ProgramSettings& settings() { return settings_; }
  const ProgramSettings& settings() const { return settings_; }
  ChartRules rules() const { return {settings_.usys, settings_.sys}; }
  const std::optional<Branding>& branding() const { return branding_; }
  void SetBranding(std::optional<Branding> branding) { branding_ = std::move(branding); }
  // What the branding and the system settings hide of the content table.
  ContentBranding content_branding() const { return ContentBrandingOf(branding_, settings_.sys); }
  ExplanationSource& explanations() const { return *explanations_; }
  Interaction& interaction() const { return *interaction_; }

 private:
  ApplicationServices(Interaction& interaction, ProgramSettings settings);
  static Outcome<std::unique_ptr<SettingsStore>> OpenStore(const std::filesystem::path& file, Interaction& interaction);

  Interaction* interaction_;
  std::optional<std::filesystem::path> program_folder_;
  std::unique_ptr<SettingsStore> store_;
  ProgramSettings settings_;
  std::optional<Branding> branding_;
  std::unique_ptr<ExplanationSource> explanations_;
};

}  // namespace kirvo
