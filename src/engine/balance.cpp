#include "engine/balance.h"

#include <cmath>
#include <numeric>

namespace kirvo {

namespace {

inline constexpr int kNormalTableSize = 310;  // z = 0.00 .. 3.09
inline constexpr int kNormalTableDecimals = 5;
inline constexpr int kPercentShift = 2;  // a fraction of 5 decimals is a percentage of 3

// The printed table of the normal distribution, rebuilt from the error function: the area between
// 0 and z is erf(z / √2) / 2, rounded to 5 decimals as the table prints it.
const std::array<double, kNormalTableSize>& NormalTable() {
  static const std::array<double, kNormalTableSize> table = [] {
    std::array<double, kNormalTableSize> rows{};
    for (int i = 0; i < kNormalTableSize; ++i) {
      const double area = 0.5 * std::erf(i / 100.0 / std::sqrt(2.0));
      rows[i] = std::round(area * 1e5) / 1e5;  // to kNormalTableDecimals
    }
    return rows;
  }();
  return table;
}

// The sample standard deviation (divisor n − 1) of five values.
double SampleDeviation(const std::array<double, 5>& values) {
  const double mean = std::accumulate(values.begin(), values.end(), 0.0) / 5.0;
  double squares = 0.0;
  for (const double value : values) squares += (value - mean) * (value - mean);
  return std::sqrt(squares / 4.0);
}

}  // namespace

double NormalAreaFromZero(int hundredths) {
  if (hundredths < 0) return 0.0;
  if (hundredths >= kNormalTableSize) return 0.5;
  return NormalTable()[hundredths];
}

double BalanceByRatio(double forward, double backward) {
  if (forward == 0.0 || backward == 0.0) return 0.0;
  return forward > backward ? backward / forward * 100.0 : forward / backward * 100.0;
}

double BalanceByDeviation(const std::array<double, 5>& values, double forward, double backward, double average_percent,
                          double spread_percent) {
  // s1: the spread with the 生 row replaced by the sum of both sides; s2: the rows' own spread.
  const double s1 = SampleDeviation({values[0], values[1], values[2], values[3], forward + backward});
  const double s2 = SampleDeviation(values);
  const double expected = average_percent * s1 / 100.0;
  const double deviation = expected - s2;
  double area = 0.0;
  if (deviation != 0.0) {
    // With `AVE` at 100 or more, or `StdE` at 0 or below, the scale is not positive: the deviation
    // then counts as lying beyond the table rather than dividing by zero or reading before it.
    const double scale = spread_percent * (s1 - expected) / 100.0;
    const double hundredths = scale > 0.0 ? std::fabs(deviation) / scale * 100.0 : kNormalTableSize;
    area = hundredths < kNormalTableSize ? NormalAreaFromZero(static_cast<int>(hundredths)) : 0.5;
  }
  return deviation >= 0.0 ? 100.0 * (0.5 + area) : 100.0 * (0.5 - area);
}

StrengthClass StrengthClassOf(double difference, const ChartRules& rules) {
  StrengthClass strength = 0;
  for (const int column : {1, 3, 5}) {
    if (difference < rules.read.strength_thresholds[column]) return strength;
    ++strength;
  }
  return strength;
}

Judgement JudgeBalance(const ElementNumberTable& table, const ChartRules& rules) {
  const bool by_total = rules.read.forward_backward == ForwardBackwardValue::kTotal;
  std::array<double, 5> values{};
  for (ElementRelation n = 0; n < 5; ++n) {
    values[n] = by_total ? static_cast<double>(table.rows[n].total) : table.rows[n].strength;
  }

  Judgement judgement;
  judgement.forward = values[0] + values[4];
  judgement.backward = values[1] + values[2] + values[3];
  judgement.difference = judgement.forward - judgement.backward;
  if (rules.read.balance_method == BalanceMethod::kByDeviation) {
    judgement.balance = BalanceByDeviation(values, judgement.forward, judgement.backward, rules.read.deviation_average,
                                           rules.read.deviation_spread);
    judgement.balance_decimals = kNormalTableDecimals - kPercentShift;
  } else {
    judgement.balance = BalanceByRatio(judgement.forward, judgement.backward);
  }

  // A balance above `NGE` is inner; the degree is how far it lies into its side, in percent of that side.
  const double threshold = rules.read.inner_threshold;
  const double u = judgement.balance;
  if (u > threshold) {
    judgement.balance_class = kInnerPattern;
    judgement.favour = (u - threshold) * 100.0 / (100.0 - threshold);
  } else {
    judgement.balance_class = kOuterPattern;
    judgement.favour = threshold == 0.0 ? 0.0 : (threshold - u) * 100.0 / threshold;
  }
  judgement.strength = StrengthClassOf(judgement.difference, rules);
  return judgement;
}

}  // namespace kirvo
