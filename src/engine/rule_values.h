#pragma once

#include <array>

#include "calendar/moment_pillars.h"
#include "engine/spirit_star_tables.h"
#include "settings/usys_keys.h"

namespace kirvo {

class USysSettings;
struct SysSettings;

// The rule settings a chart computation decides by, read once when its ChartRules is made: the
// flags and choices as named values, the numbers and number tables parsed (a text that is no
// number counts as rule_numbers.h says).
struct RuleValues {
  // Flags.
  bool no_change = false;                  // KSCB: nothing is removed or transformed
  bool no_change_by_running_luck = false;  // KKSCB: the running-luck pillars remove and transform nothing
  bool stems_overcome = true;              // KoCB: the overcoming (剋) of stems is taken
  bool day_master_apart = false;           // NCB: no stem relation with the day master
  bool year_day_month_hour_apart = false;  // TCB: no relation year–day or month–hour
  bool neighbours_only = false;            // SaCB: relations only between neighbouring pillars
  bool branch_groups = true;               // SigCB: 局, 三合 and 方合 are taken
  bool distant_branches_apart = false;     // SiaCB: no branch relation year–day, year–hour, month–hour
  bool day_master_may_be_useful = false;   // YCB0: the day master's own stem may be the useful god
  bool only_hidden_stem_in_force = false;  // RCB: of the hidden stems only the one in force counts
  bool branches_by_season = false;         // SuCB: branch numbers by the elements of their season
  bool power_total = false;                // JyCB: the total is a power of the branch number

  // Choices.
  TransformationRule transformation{};      // KaRG
  LuckDirectionRule luck_direction{};       // DaiRG
  StartOfLuckUnit start_of_luck_unit{};     // DuRG
  RootRule roots{};                         // TRG
  UsefulGodMethod useful_god_method{};      // YRG0
  RunningLuckDepth running_luck_depth{};    // ZRG4
  MajorLuckDepthRule major_luck_depth{};    // ZRG5
  ForwardBackwardValue forward_backward{};  // RRG
  BalanceMethod balance_method{};           // KiRG

  // Numbers.
  double inner_threshold = 0;    // NGE, percent
  double deviation_average = 0;  // AVE, percent
  double deviation_spread = 0;   // StdE, percent

  // Number tables, [column][row].
  std::array<std::array<int, 10>, 10> base_numbers{};  // SSG
  std::array<int, 10> month_command_numbers{};         // SSG2 (its one row)
  std::array<int, 7> strength_thresholds{};            // MSG (its one row)
  std::array<std::array<int, 6>, 10> ten_god_weights{};  // HSG: column c weighs board column c

  // SiSG, SKSG and SSSG as the spirit-star step reads them.
  SpiritStarRules spirit_stars;

  // DRG, ZRG0..ZRG3, ZSG and the time zone, as the pillar computations read them.
  CalendarRules calendar;
};

RuleValues ReadRuleValues(const USysSettings& usys, const SysSettings& sys);

}  // namespace kirvo
