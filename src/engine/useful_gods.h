#pragma once

#include <string>
#include <string_view>

#include "calendar/sexagenary.h"
#include "engine/balance.h"
#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/element_numbers.h"

namespace kirvo {

// The useful god when no stem can be chosen.
inline constexpr std::string_view kNoUsefulGod = "Error";

// Which of two stems of one element a chart shows more prominently; smaller is preferred:
// 1 a working stem of the hour or month pillar, 2 of the year, day or hour pillar, 34..38 of a
// running-luck pillar taking part (大運 34 … 行時 38, only from 年運まで on), 40 the month's
// commanding hidden stem, 50 + column / 60 + column / 70 + column the first column (9 down to the
// first taking part) holding it as 本気 / 中気 / 余気, otherwise 9. The day master itself is 99
// unless `YCB0` lets it be chosen. Removed working stems do not count.
int StemPriority(Stem stem, Stem day_master, LuckRange range, const ChartBoard& board, const ChartRules& rules);

// 用神: one stem name, both stems of an element (yang first), or "Error". By `YRG0` either the stem
// with the largest weighted number, or the stem of the element with the largest 力量 (構成 with
// `RRG` 1) that the chart shows most prominently.
std::string UsefulGod(const ChartBoard& board, Stem day_master, const ElementNumbers& numbers, LuckRange range,
                      const ChartRules& rules);

// 調候: the `TSG` text for a day stem and a month branch (stems in order of preference); empty
// for a stem or branch outside the table.
std::string ClimateGod(Stem day_master, Branch month_branch, const ChartRules& rules);

// The elements to act on, as element names.
struct FavourableElements {
  std::string to_weaken;      // 弱めたい: concatenated element names
  std::string unfavourable;   // 忌神: one element name
  std::string to_strengthen;  // 強めたい: concatenated element names
  std::string favourable;     // 喜神: one element name
};

// By default the draining side (洩 分 剋) is to be weakened and the supporting side (主 生)
// strengthened; a strong inner chart and a weak outer chart want the opposite, so both pairs are
// exchanged then.
FavourableElements FavourableElementsOf(const ElementNumberTable& table, BalanceClass balance_class, double difference);

// Everything the content table shows beside the numbers.
struct UsefulGods {
  std::string day_master;   // 日主: the working day stem, cell (7, 13)
  std::string useful_god;   // 用神
  std::string climate_god;  // 調候
  FavourableElements elements;
};

UsefulGods ComputeUsefulGods(const ChartBoard& board, const ElementNumbers& numbers, const Judgement& judgement,
                             LuckRange range, const ChartRules& rules);

}  // namespace kirvo
