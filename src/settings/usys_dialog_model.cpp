#include "settings/usys_dialog_model.h"

#include <utility>

#include "platform/program_folder.h"
#include "settings/usys_close_check.h"
#include "settings/usys_settings_file.h"

namespace kirvo {

USysDialogModel::USysDialogModel(USysSettings& live, std::filesystem::path program_folder, Interaction& interaction)
    : live_(live), edited_(live), program_folder_(std::move(program_folder)), interaction_(interaction) {}

bool USysDialogModel::Ok() {
  refusal_ = CheckRuleSettings(edited_);
  if (refusal_) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kWarning, refusal_->message);
    return false;
  }
  edited_.SetNumber("ZFileE", StripProgramFolder(edited_.Number("ZFileE"), program_folder_));
  if (const Status saved = SaveUSysSettings(edited_, program_folder_); !saved) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kError, saved.error());
  }
  live_ = edited_;
  return true;
}

bool USysDialogModel::Cancel() {
  Loaded<USysSettings> stored = ReloadUSysSettings(program_folder_, edited_);
  ShowLoadReport(stored.report, interaction_);
  edited_ = std::move(stored.value);
  return Ok();
}

bool USysDialogModel::RestoreDefaultSpiritStars() {
  interaction_.Beep();
  if (!interaction_.AskYesNo("神殺をデフォルトに戻してよろしいですか？")) return false;
  edited_.ShowDefaultSpiritStars();
  return true;
}

bool USysDialogModel::HideAllSpiritStars() {
  interaction_.Beep();
  if (!interaction_.AskYesNo("神殺全てを 0: 非表示にしてよろしいですか？")) return false;
  edited_.HideAllSpiritStars();
  return true;
}

bool USysDialogModel::OpenDistributionFile(const std::filesystem::path& file) {
  if (const Status loaded = kirvo::OpenDistributionFile(edited_, file, program_folder_); !loaded) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kError, loaded.error());
    return false;
  }
  return true;
}

}  // namespace kirvo
