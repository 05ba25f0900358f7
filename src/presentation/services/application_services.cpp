#include "presentation/services/application_services.h"

#include <system_error>
#include <utility>

#include "platform/program_folder.h"
#include "settings/usys_settings_file.h"

namespace kirvo {

ApplicationServices::ApplicationServices(Interaction& interaction, ProgramSettings settings)
    : interaction_(&interaction), settings_(std::move(settings)) {}

ApplicationServices ApplicationServices::Shipped(Interaction& interaction) {
  ApplicationServices services(interaction, ShippedSettings());
  services.explanations_ = std::make_unique<LoadedExplanations>(LoadedExplanations::Shipped());
  return services;
}

Outcome<std::unique_ptr<SettingsStore>> ApplicationServices::OpenStore(const std::filesystem::path& file,
                                                                       Interaction& interaction) {
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
  if (!store) return Outcome<std::unique_ptr<SettingsStore>>::Failure(store.error());
  if (!store->LoadProblem().empty()) interaction.ShowMessage(MessageKind::kWarning, store->LoadProblem());
  return std::unique_ptr<SettingsStore>(std::make_unique<FileSettingsStore>(std::move(store).value()));
}

Outcome<ApplicationServices> ApplicationServices::Open(const std::filesystem::path& program_folder,
                                                       const std::filesystem::path& store_file,
                                                       Interaction& interaction) {
  Outcome<std::unique_ptr<SettingsStore>> store = OpenStore(store_file, interaction);
  if (!store) return Outcome<ApplicationServices>::Failure(store.error());
  ApplicationServices services(interaction, ProgramSettings{});
  services.program_folder_ = program_folder;
  services.store_ = std::move(store).value();
  services.explanations_ = std::make_unique<ReportedExplanations>(program_folder, interaction);
  return services;
}

Outcome<ApplicationServices> ApplicationServices::Load(const std::optional<std::filesystem::path>& folder,
                                                       Interaction& interaction) {
  const std::filesystem::path path = folder ? *folder : ProgramFolder();
  std::error_code error;
  if (!folder && !std::filesystem::exists(path / kUSysFileName, error)) return Shipped(interaction);

  Outcome<std::unique_ptr<SettingsStore>> store = OpenStore(DefaultSettingsStorePath(), interaction);
  if (!store) return Outcome<ApplicationServices>::Failure(store.error());
  Outcome<Loaded<ProgramSettings>> settings = ReadProgramSettings(path, *store.value());
  if (!settings) return Outcome<ApplicationServices>::Failure(settings.error());
  ShowLoadReport(settings->report, interaction);

  ApplicationServices services(interaction, std::move(settings).value().value);
  services.program_folder_ = path;
  services.store_ = std::move(store).value();
  Loaded<std::optional<Branding>> branding = LoadBranding(path);
  ShowLoadReport(branding.report, interaction);
  services.branding_ = std::move(branding.value);
  services.explanations_ = std::make_unique<ReportedExplanations>(path, interaction);
  return services;
}

}  // namespace kirvo
