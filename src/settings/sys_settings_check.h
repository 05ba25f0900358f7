#pragma once

#include <optional>
#include <string_view>

#include "platform/interaction.h"
#include "settings/sys_settings.h"

namespace kirvo {

inline constexpr std::string_view kHalfWidthNameMessage = "氏名欄に半角の「＆」「，」は使用できません。";

// The check before the settings dialog may close, in this order, stopping at the first failure:
// `CCnt` 5..100, `CCnt1` 10..35, `PreE` 0..CCnt-1, `Tw`, `Kh`, `Zh` each 20..100 (integer checks
// with their messages); "2001/" + `AlDtE` a valid date-time; `NameE` without a half-width "&" or
// "," (with its message); `NDate` a valid date; `NTime` a valid time. Every failure beeps; the
// date and time checks show no message, the field just takes the focus.
struct SysCloseFailure {
  std::string_view key;  // the failing field, which takes the focus
  bool message_shown;
};
std::optional<SysCloseFailure> FindSysCloseFailure(const SysSettings& settings, Interaction& interaction);

// The same check for callers without a dialog (the command-line tool): a date or time failure,
// which has no message of its own, is told by one naming the key and its value. True when all pass.
bool PassesSysCloseCheck(const SysSettings& settings, Interaction& interaction);

}  // namespace kirvo
