#include "engine/rule_values.h"

#include "engine/rule_numbers.h"
#include "settings/calendar_settings.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {
namespace {

// A rule table of whole numbers, [column][row].
template <std::size_t Columns, std::size_t Rows>
void ReadIntegerTable(const USysSettings& usys, USysTable table, std::array<std::array<int, Rows>, Columns>& into) {
  for (std::size_t column = 0; column < Columns; ++column) {
    for (std::size_t row = 0; row < Rows; ++row) into[column][row] = RuleTableInteger(usys, table, column, row);
  }
}

}  // namespace

RuleValues ReadRuleValues(const USysSettings& usys, const SysSettings& sys) {
  RuleValues read;
  read.no_change = usys.Flag(USysFlag::KSCB);
  read.no_change_by_running_luck = usys.Flag(USysFlag::KKSCB);
  read.stems_overcome = usys.Flag(USysFlag::KoCB);
  read.day_master_apart = usys.Flag(USysFlag::NCB);
  read.year_day_month_hour_apart = usys.Flag(USysFlag::TCB);
  read.neighbours_only = usys.Flag(USysFlag::SaCB);
  read.branch_groups = usys.Flag(USysFlag::SigCB);
  read.distant_branches_apart = usys.Flag(USysFlag::SiaCB);
  read.day_master_may_be_useful = usys.Flag(USysFlag::YCB0);
  read.only_hidden_stem_in_force = usys.Flag(USysFlag::RCB);
  read.branches_by_season = usys.Flag(USysFlag::SuCB);
  read.power_total = usys.Flag(USysFlag::JyCB);

  read.transformation = usys.Choice<USysChoice::KaRG>();
  read.luck_direction = usys.Choice<USysChoice::DaiRG>();
  read.start_of_luck_unit = usys.Choice<USysChoice::DuRG>();
  read.roots = usys.Choice<USysChoice::TRG>();
  read.useful_god_method = usys.Choice<USysChoice::YRG0>();
  read.running_luck_depth = usys.Choice<USysChoice::ZRG4>();
  read.major_luck_depth = usys.Choice<USysChoice::ZRG5>();
  read.forward_backward = usys.Choice<USysChoice::RRG>();
  read.balance_method = usys.Choice<USysChoice::KiRG>();

  read.inner_threshold = RuleNumber(usys, USysNumber::NGE);
  read.deviation_average = RuleNumber(usys, USysNumber::AVE);
  read.deviation_spread = RuleNumber(usys, USysNumber::StdE);

  ReadIntegerTable(usys, USysTable::SSG, read.base_numbers);
  for (std::size_t column = 0; column < read.month_command_numbers.size(); ++column) {
    read.month_command_numbers[column] = RuleTableInteger(usys, USysTable::SSG2, column, 0);
  }
  for (std::size_t column = 0; column < read.strength_thresholds.size(); ++column) {
    read.strength_thresholds[column] = RuleTableInteger(usys, USysTable::MSG, column, 0);
  }
  ReadIntegerTable(usys, USysTable::HSG, read.ten_god_weights);

  read.spirit_stars = ReadSpiritStarRules(usys);
  read.calendar = CalendarRulesOf(usys, sys);
  return read;
}

}  // namespace kirvo
