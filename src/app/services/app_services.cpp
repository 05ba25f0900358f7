#include "app/services/app_services.h"

#include "presentation/frame/toolbar_positions.h"
#include "platform/ini_file.h"
#include "presentation/services/frame_constants.h"
#include "settings/sys_settings_file.h"
#include "settings/sys_settings_keys.h"
#include "settings/usys_settings_file.h"

namespace kirvo {

Outcome<std::unique_ptr<AppServices>> AppServices::Open(std::filesystem::path program_folder,
                                                        const std::filesystem::path& store_file,
                                                        Interaction& interaction) {
  Outcome<ApplicationServices> core = ApplicationServices::Open(program_folder, store_file, interaction);
  if (!core) return Outcome<std::unique_ptr<AppServices>>::Failure(core.error());
  return std::unique_ptr<AppServices>(new AppServices(std::move(core).value(), store_file));
}

AppServices::AppServices(ApplicationServices core, std::filesystem::path store_file)
    : core_(std::move(core)),
      window_states_(store(), program_folder() / kToolbarPositionsFile, interaction()),
      store_file_(std::move(store_file)),
      title_(kApplicationTitle),
      help_file_(kHelpIndexFile),
      dialog_folders_(program_folder()) {}

void AppServices::LoadBranding() {
  Loaded<std::optional<Branding>> loaded = kirvo::LoadBranding(program_folder());
  ShowLoadReport(loaded.report, interaction());
  core_.SetBranding(std::move(loaded.value));
  if (!branding()) return;
  title_ = BrandedTitle(*branding(), title_);
  if (const auto help = BrandedHelpFile(*branding(), program_folder())) help_file_ = help->filename().string();
}

void AppServices::LoadSystemSettings() {
  Loaded<SysSettings> loaded = LoadSysSettings(program_folder(), store(), branding());
  ShowLoadReport(loaded.report, interaction());
  sys() = std::move(loaded.value);
}

void AppServices::LoadRuleSettings() {
  Loaded<USysSettings> loaded = LoadUSysSettings(program_folder(), store(), FirstRunRule::kApply);
  ShowLoadReport(loaded.report, interaction());
  usys() = std::move(loaded.value);
}

namespace {

// Whether the settings file `name` of `folder` can be read (a missing one can: it is created).
bool Readable(const std::filesystem::path& folder, std::string_view name) {
  return IniFile::Load(folder / name).ok();
}

}  // namespace

Status AppServices::SaveSystemSettings() {
  if (!Readable(program_folder(), kSysSettingsFile)) return {};
  Status saved = SaveSysSettings(sys(), program_folder());
  ShowFailure(saved, interaction());
  return saved;
}

Status AppServices::SaveRuleSettings() {
  if (!Readable(program_folder(), kUSysFileName)) return {};
  Status saved = SaveUSysSettings(usys(), program_folder());
  ShowFailure(saved, interaction());
  return saved;
}

void AppServices::WriteStartValues() {
  for (const Status& written : {store().WriteString("", kProgramFolderValue, program_folder().string()),
                                store().WriteString("", kVersionValueName, kVersionValue)}) {
    if (!ShowFailure(written, interaction())) return;
  }
}

}  // namespace kirvo
