#pragma once

#include <array>
#include <string_view>

#include "engine/chart_record.h"
#include "engine/element_numbers.h"

namespace kirvo {

// Inner (内格) or outer (外格) pattern: whether the chart's balance lets the ordinary rules of
// supporting and draining the day master apply.
using BalanceClass = int;
inline constexpr BalanceClass kInnerPattern = 0;  // 内格
inline constexpr BalanceClass kOuterPattern = 1;  // 外格

// The day master's strength (身), from the forward number minus the backward number.
using StrengthClass = int;
inline constexpr std::array<std::string_view, 4> kStrengthClassNames = {"身弱", "中和", "身旺", "極旺"};

inline constexpr int kNotADecimal = -1;

// The judgement of the day master. Forward and backward numbers are sums of the table's 力量
// (`RRG` 0) or 計 (`RRG` 1); percentages run 0..100. All are shown with two decimals.
struct Judgement {
  double forward = 0;     // 順数値 o: 主 + 生, what supports the day master
  double backward = 0;    // 逆数値 t: 洩 + 分 + 剋, what drains it
  double difference = 0;  // 順－逆: o − t
  double balance = 0;     // 均衡度 u, percent
  // The places of the decimal the balance stands for, when it is one: 3 under `KiRG` 1 (a table of
  // 5 decimals, in percent); kNotADecimal for the ratio of `KiRG` 0. It is shown rounded from there.
  int balance_decimals = kNotADecimal;
  BalanceClass balance_class = kOuterPattern;
  double favour = 0;           // 吉度数: how clearly the balance lies on its side of `NGE`, percent
  StrengthClass strength = 0;  // 0 身弱, 1 中和, 2 身旺, 3 極旺
};

// o, t, u and the classes from the table, by `RRG`, `KiRG`, `NGE`, `AVE`, `StdE` and `MSG` as they
// stand.
Judgement JudgeBalance(const ElementNumberTable& table, const ChartRules& rules);

// 均衡度 by the ratio of the two sides (`KiRG` 0): the smaller over the larger, in percent; 0 when
// either side is 0.
double BalanceByRatio(double forward, double backward);

// 均衡度 by the spread of the rows (`KiRG` 1): `values` are the five rows' numbers (主..生),
// `average_percent` and `spread_percent` the settings `AVE` and `StdE`. 50 % means the rows spread
// exactly as `AVE` expects; further from it the normal distribution says how unusual the spread is.
double BalanceByDeviation(const std::array<double, 5>& values, double forward, double backward, double average_percent,
                          double spread_percent);

// The area under the standard normal curve between 0 and z, to 5 decimals, as the printed table
// gives it for z = 0.00 to 3.09 in steps of 0.01 (`hundredths` = 0..309); 0.5 beyond the table.
double NormalAreaFromZero(int hundredths);

// 身 of a difference o − t: below `MSG` column 1 身弱, below column 3 中和, below column 5 身旺,
// else 極旺 (a value on a threshold belongs to the upper class).
StrengthClass StrengthClassOf(double difference, const ChartRules& rules);

}  // namespace kirvo
