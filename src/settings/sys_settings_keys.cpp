#include "settings/sys_settings_keys.h"

#include "platform/integer_text.h"

namespace kirvo {
namespace {

// Every date and time text reads through the full date-time form.
bool IsDateTimeText(const std::string& text) { return DateTime::ParseDateTimeText(text).has_value(); }

}  // namespace

bool HasTextForm(std::string_view text, SysTextForm form) {
  switch (form) {
    case SysTextForm::kAny:
      return true;
    case SysTextForm::kInteger:
      return ParseInteger(text).has_value();
    case SysTextForm::kDecimal:
      return ParseDecimalText(text).has_value();
    case SysTextForm::kTimeZone:
      return TimeZoneHoursOf(text).has_value();
    case SysTextForm::kDate:
      return IsDateTimeText(std::string(text) + " 00:00");
    case SysTextForm::kTime:
      return IsDateTimeText("2001/01/01 " + std::string(text));
    case SysTextForm::kMonthDayTime:
      return IsDateTimeText("2001/" + std::string(text));
  }
  return false;
}

bool IsUsableStoredText(std::string_view text, const SysTextKey& key) {
  if (!HasTextForm(text, key.form)) return false;
  if (key.min == key.max) return true;
  if (key.form == SysTextForm::kInteger) {
    const long long value = *ParseInteger(text);
    return value >= key.min && value <= key.max;
  }
  if (key.form == SysTextForm::kDecimal) {
    const double value = *ParseDecimalText(text);
    return value >= key.min && value <= key.max;
  }
  return true;
}

std::vector<std::string_view> HenSGDefaults() { return NameList(DefaultTenGodNames()); }
std::vector<std::string_view> HGSGDefaults() { return NameList(kDefaultHGSGNames); }
std::vector<std::string_view> KyuSGDefaults() { return NameList(kDefaultKyuSGNames); }

}  // namespace kirvo
