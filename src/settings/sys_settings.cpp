#include "settings/sys_settings.h"

#include <charconv>
#include <cmath>

#include "platform/integer_text.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr int kFallbackLuckColumns = 15;

}  // namespace

std::optional<double> ParseDecimalText(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> TimeZoneHoursOf(std::string_view text) {
  const std::optional<double> hours = ParseDecimalText(text);
  if (!hours || std::fabs(*hours) > kMaxTimeZoneHours) return std::nullopt;
  return hours;
}

double TimeZoneHours(const SysSettings& settings) {
  return TimeZoneHoursOf(settings.TZE).value_or(kDefaultTimeZoneHours);
}

TermClock TermClockOf(const SysSettings& settings) {
  return {TimeZoneHours(settings), settings.SetsuRG == 1 ? TermMethod::kPrecise : TermMethod::kStandard};
}

int NearTermMinutes(const SysSettings& settings) {
  const std::optional<long long> minutes = ParseInteger(settings.SetsuE);
  return minutes && *minutes >= 0 && *minutes <= 1440 ? static_cast<int>(*minutes) : kDefaultNearTermMinutes;
}

std::optional<double> NowOffsetMinutesOf(std::string_view text) {
  const std::optional<double> minutes = ParseDecimalText(text);
  if (!minutes || std::fabs(*minutes) > kMaxNowOffsetMinutes) return std::nullopt;
  return minutes;
}

double NowOffsetMinutes(const SysSettings& settings) { return NowOffsetMinutesOf(settings.NowE).value_or(0.0); }

DateTime SettingsNow(const SysSettings& settings, DateTime clock) {
  return clock + NowOffsetMinutes(settings) / kMinutesPerDay;
}

int LuckColumnCount(const SysSettings& settings) {
  const std::optional<long long> count = ParseInteger(settings.CCnt);
  return count && *count >= 5 && *count <= 100 ? static_cast<int>(*count) : kFallbackLuckColumns;
}

const TenGodNames& TenGodNamingRow(const SysSettings& settings) { return settings.names.ten_god_row; }

void ResetNamesToDefaults(SysSettings& settings) {
  ResetNamesInUse(settings.HenSG, NameList(DefaultTenGodNames()));
  ResetNamesInUse(settings.HGSG, NameList(kDefaultHGSGNames));
  ResetNamesInUse(settings.KyuSG, NameList(kDefaultKyuSGNames));
  settings.names = BuildNamesInUse(settings.HenSG, settings.HGSG, settings.KyuSG, settings.KNCB, settings.names.gaiji1);
}

}  // namespace kirvo
