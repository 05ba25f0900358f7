#include "settings/sys_settings_check.h"

#include <array>
#include <string>

#include "calendar/integer_validation.h"
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
// clang-format on

// The form checks that follow the integers; they refuse with a beep and the focus only.
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

std::optional<SysCloseFailure> FindSysCloseFailure(const SysSettings& settings, Interaction& interaction) {
  for (const IntegerRange& range : kColumnCountRanges) {
    if (!ValidateIntegerText(settings.*range.member, range.max, range.min, interaction))
      return SysCloseFailure{range.key, true};
  }
  // CCnt has passed, so it is an integer of 5..100.
  const int columns = static_cast<int>(*ParseInteger(settings.CCnt));
  if (!ValidateIntegerText(settings.PreE, columns - 1, 0, interaction)) return SysCloseFailure{"PreE", true};
  for (const IntegerRange& range : kCellSizeRanges) {
    if (!ValidateIntegerText(settings.*range.member, range.max, range.min, interaction))
      return SysCloseFailure{range.key, true};
  }
  if (!HasTextForm(settings.AlDtE, SysTextForm::kMonthDayTime)) {
    interaction.Beep();
    return SysCloseFailure{"AlDtE", false};
  }
  // The name, date and time of the fixed chart moment are checked as the entry bar checks a person;
  // the name may be empty here.
  if (settings.NameE.find_first_of(",&") != std::string::npos) {
    interaction.Beep();
    interaction.ShowMessage(kHalfWidthNameMessage);
    return SysCloseFailure{"NameE", true};
  }
  static constexpr auto kMomentChecks = std::to_array<FormCheck>({
      {"NDate", &SysSettings::NDate, SysTextForm::kDate},
      {"NTime", &SysSettings::NTime, SysTextForm::kTime},
  });
  for (const FormCheck& check : kMomentChecks) {
    if (!HasTextForm(settings.*check.member, check.form)) {
      interaction.Beep();
      return SysCloseFailure{check.key, false};
    }
  }
  return std::nullopt;
}

bool PassesSysCloseCheck(const SysSettings& settings, Interaction& interaction) {
  const std::optional<SysCloseFailure> failure = FindSysCloseFailure(settings, interaction);
  if (!failure) return true;
  if (!failure->message_shown) {
    const std::string value = TextOfKey(settings, failure->key);
    interaction.ShowMessage("「" + std::string(failure->key) + "」の「" + value + "」は日時として正しくありません");
  }
  return false;
}

}  // namespace kirvo
