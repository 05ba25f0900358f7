#pragma once

#include <filesystem>
#include <optional>

#include "platform/interaction.h"
#include "settings/close_check_failure.h"
#include "settings/usys_settings.h"

namespace kirvo {

// The rule settings dialog ("四柱推命の設定") without its widgets: it edits a copy of the live
// settings, and only a close that passes the check saves the copy and makes it the live settings.
class USysDialogModel {
 public:
  USysDialogModel(USysSettings& live, std::filesystem::path program_folder, Interaction& interaction);

  // The copy the dialog's controls show and change.
  USysSettings& edited() { return edited_; }
  const USysSettings& edited() const { return edited_; }

  // OK: the close check (a failure beeps, shows its message and keeps the dialog open with the
  // edits), then the save (a failed write is shown; the settings still hold for this run), then the
  // copy becomes the live settings. True when the dialog closes.
  bool Ok();
  // Cancel: the edits are dropped for the values stored in the file, which then close the same way.
  bool Cancel();
  // The setting that takes the focus after a refused close.
  const std::optional<CloseCheckFailure>& refusal() const { return refusal_; }

  // "×２" and "÷２".
  void DoubleNumbers() { edited_.DoubleNumbers(); }
  void HalveNumbers() { edited_.HalveNumbers(); }
  // "デフォルトに戻す" and "全てを 0: 非表示": beep, ask, and on Yes change `SiSG`. True on Yes.
  bool RestoreDefaultSpiritStars();
  bool HideAllSpiritStars();
  // `OpenBtn` with the chosen file: `ZSG` and `ZFileE` from it; a file that can't be read is shown
  // and changes nothing. True when the file was taken.
  bool OpenDistributionFile(const std::filesystem::path& file);

 private:
  USysSettings& live_;
  USysSettings edited_;
  std::filesystem::path program_folder_;
  Interaction& interaction_;
  std::optional<CloseCheckFailure> refusal_;
};

}  // namespace kirvo
