#include "settings/sys_settings_check.h"

#include <array>
#include <string>

#include "platform/integer_text.h"
#include "settings/sys_settings_keys.h"

namespace kirvo {
namespace {

struct IntegerRange {
  std::string_view key;
  const std::string SysSettings::*member;
  int min;
  int max;
};

// clang-format off
inline constexpr auto kColumnCountRanges = std::to_array<IntegerRange>({
    {"CCnt",  &SysSettings::CCnt,  5,  100},
    {"CCnt1", &SysSettings::CCnt1, 10, 35},
});
inline constexpr auto kCellSizeRanges = std::to_array<IntegerRange>({
    {"Tw", &SysSettings::Tw, 20, 100},
    {"Kh", &SysSettings::Kh, 20, 100},
    {"Zh", &SysSettings::Zh, 20, 100},
});
// Minutes around a month-opening term, up to a day either way.
inline constexpr IntegerRange kNearTermMarginRange = {"SetsuE", &SysSettings::SetsuE, 0, 1440};
// clang-format on

// The form checks that follow the integers; they refuse without a message.
struct FormCheck {
  std::string_view key;
  const std::string SysSettings::*member;
  SysTextForm form;
};

std::string TextOfKey(const SysSettings& settings, std::string_view key) {
  for (const SysTextKey& text : kSysTextKeys) {
    if (text.key == key) return settings.*text.member;
  }
  return {};
}

}  // namespace

std::optional<CloseCheckFailure> CheckSysSettings(const SysSettings& settings) {
  const auto integer_failure = [](std::string_view key, const std::string& text, int max,
                                  int min) -> std::optional<CloseCheckFailure> {
    std::optional<std::string> problem = IntegerTextProblem(text, max, min);
    if (!problem) return std::nullopt;
    return CloseCheckFailure{std::string(key), std::nullopt, std::move(*problem)};
  };
  for (const IntegerRange& range : kColumnCountRanges) {
    if (auto failure = integer_failure(range.key, settings.*range.member, range.max, range.min)) return failure;
  }
  // CCnt has passed, so it is an integer of 5..100.
  const int columns = static_cast<int>(*ParseInteger(settings.CCnt));
  if (auto failure = integer_failure("PreE", settings.PreE, columns - 1, 0)) return failure;
  for (const IntegerRange& range : kCellSizeRanges) {
    if (auto failure = integer_failure(range.key, settings.*range.member, range.max, range.min)) return failure;
  }
  if (auto failure = integer_failure(kNearTermMarginRange.key, settings.*kNearTermMarginRange.member,
                                     kNearTermMarginRange.max, kNearTermMarginRange.min)) {
    return failure;
  }
  if (!HasTextForm(settings.AlDtE, SysTextForm::kMonthDayTime)) return CloseCheckFailure{"AlDtE", std::nullopt, ""};
  // The name, date and time of the fixed chart moment are checked as the entry bar checks a person;
  // the name may be empty here.
  if (settings.NameE.find_first_of(",&") != std::string::npos) {
    return CloseCheckFailure{"NameE", std::nullopt, std::string(kHalfWidthNameMessage)};
  }
  static constexpr auto kMomentChecks = std::to_array<FormCheck>({
      {"NDate", &SysSettings::NDate, SysTextForm::kDate},
      {"NTime", &SysSettings::NTime, SysTextForm::kTime},
  });
  for (const FormCheck& check : kMomentChecks) {
    if (!HasTextForm(settings.*check.member, check.form)) {
      return CloseCheckFailure{std::string(check.key), std::nullopt, ""};
    }
  }
  return std::nullopt;
}

std::string RefusalText(const CloseCheckFailure& failure, const SysSettings& settings) {
  if (!failure.message.empty()) return failure.message;
  return "「" + failure.key + "」の「" + TextOfKey(settings, failure.key) + "」は日時として正しくありません";
}

}  // namespace kirvo
