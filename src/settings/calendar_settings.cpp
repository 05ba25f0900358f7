#include "settings/calendar_settings.h"

#include <cstdlib>
#include <string>

#include "platform/table_row.h"
#include "settings/zsg_distribution.h"

namespace kirvo {
namespace {

constexpr std::size_t kZsgColumns = 9;
constexpr std::size_t kZsgRows = 13;

// A choice index within [0, count), else the default.
int Choice(const IniFile& ini, const char* key, int count, int fallback) {
  const int value = ini.ReadInteger("USysF", key, fallback);
  return value >= 0 && value < count ? value : fallback;
}

double DecimalOr(const std::string& text, double fallback) {
  if (text.empty()) return fallback;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  return end != nullptr && *end == '\0' ? value : fallback;
}

}  // namespace

CalendarRules CalendarRulesFromIni(const IniFile& rule_settings, const IniFile& system_settings) {
  CalendarRules rules;
  rules.day_boundary = static_cast<DayBoundary>(Choice(rule_settings, "DRG", 2, 1));
  // The month pillar has no depth of its own period: its choices stop at 日の深浅.
  static constexpr int kDepthChoices[4] = {3, 2, 3, 3};
  for (int pillar = 0; pillar < 4; ++pillar) {
    const std::string key = "ZRG" + std::to_string(pillar);
    rules.depth_modes[pillar] = static_cast<DepthMode>(Choice(rule_settings, key.c_str(), kDepthChoices[pillar], 1));
  }
  TextTable zsg(kZsgColumns, kZsgRows);
  for (std::size_t row = 0; row < kZsgRows; ++row) {
    const std::string stored = rule_settings.ReadString("USysF", "ZSG-Row" + std::to_string(row), "");
    zsg.SetRow(row, SplitRowCells(stored, kZsgColumns));
  }
  rules.distribution = DepthDistributionOf(zsg);
  rules.zone_hours = DecimalOr(system_settings.ReadString("SysF", "TZE", ""), 9.0);
  return rules;
}

}  // namespace kirvo
