#pragma once

#include <filesystem>
#include <optional>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "settings/branding.h"
#include "settings/close_check_failure.h"
#include "settings/sys_settings.h"

namespace kirvo {

// The system settings dialog ("ｼｽﾃﾑ設定") without its widgets: it edits a copy of the live
// settings, and only a close that passes the check saves the copy and makes it the live settings.
class SysDialogModel {
 public:
  SysDialogModel(SysSettings& live, std::filesystem::path program_folder, const SettingsStore& store,
                 std::optional<Branding> branding, Interaction& interaction);

  // The copy the dialog's controls show and change.
  SysSettings& edited() { return edited_; }
  const SysSettings& edited() const { return edited_; }

  // OK: the close check (a failure beeps, shows its message if it has one and keeps the dialog open
  // with the edits), then the save (a failed write is shown; the settings still hold for this
  // run), then the copy becomes the live settings. True when the dialog closes.
  bool Ok();
  // Cancel: the edits are dropped for the values stored in the file, which then close the same way.
  bool Cancel();
  // The field that takes the focus after a refused close.
  const std::optional<CloseCheckFailure>& refusal() const { return refusal_; }

  // "ﾃﾞﾌｫﾙﾄの文字に戻す".
  void ResetNames() { ResetNamesToDefaults(edited_); }
  // "淡いﾃﾞﾌｫﾙﾄ色" (with the branding's colours over them) and "濃いﾃﾞﾌｫﾙﾄ色".
  void UseLightDefaultColours() { edited_.CP = BrandedLightColours(branding_); }
  void UseDarkDefaultColours() { edited_.CP = DarkDefaultColours(); }

 private:
  SysSettings& live_;
  SysSettings edited_;
  std::filesystem::path program_folder_;
  const SettingsStore& store_;
  std::optional<Branding> branding_;
  Interaction& interaction_;
  std::optional<CloseCheckFailure> refusal_;
};

}  // namespace kirvo
