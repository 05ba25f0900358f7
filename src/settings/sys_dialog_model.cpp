#include "settings/sys_dialog_model.h"

#include <utility>

#include "settings/sys_settings_check.h"
#include "settings/sys_settings_file.h"

namespace kirvo {

SysDialogModel::SysDialogModel(SysSettings& live, std::filesystem::path program_folder, const SettingsStore& store,
                               std::optional<Branding> branding, Interaction& interaction)
    : live_(live),
      edited_(live),
      program_folder_(std::move(program_folder)),
      store_(store),
      branding_(std::move(branding)),
      interaction_(interaction) {}

bool SysDialogModel::Ok() {
  refusal_ = CheckSysSettings(edited_);
  if (refusal_) {
    interaction_.Beep();
    if (!refusal_->message.empty()) interaction_.ShowMessage(MessageKind::kWarning, refusal_->message);
    return false;
  }
  if (const Status saved = SaveSysSettings(edited_, program_folder_); !saved) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kError, saved.error());
  }
  live_ = edited_;
  return true;
}

bool SysDialogModel::Cancel() {
  Loaded<SysSettings> stored = LoadSysSettings(program_folder_, store_, branding_);
  ShowLoadReport(stored.report, interaction_);
  stored.value.MeiFont = live_.MeiFont;  // not stored: this run's choice stays
  edited_ = std::move(stored.value);
  return Ok();
}

}  // namespace kirvo
