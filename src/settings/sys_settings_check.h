#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/close_check_failure.h"
#include "settings/sys_settings.h"

namespace kirvo {

inline constexpr std::string_view kHalfWidthNameMessage = "氏名欄に半角の「＆」「，」は使用できません。";

// The check before the settings dialog may close, in this order, stopping at the first failure:
// `CCnt` 5..100, `CCnt1` 10..35, `PreE` 0..CCnt-1, `Tw`, `Kh`, `Zh` each 20..100 (integer checks
// with their messages); "2001/" + `AlDtE` a valid date-time; `NameE` without a half-width "&" or
// "," (with its message); `NDate` a valid date; `NTime` a valid time. The date and time checks
// have no message: the field just takes the focus.
std::optional<CloseCheckFailure> CheckSysSettings(const SysSettings& settings);

// The refusal in words for a caller without fields to focus (the command-line tool): its message,
// or for a date or time field one naming the key and its value.
std::string RefusalText(const CloseCheckFailure& failure, const SysSettings& settings);

}  // namespace kirvo
