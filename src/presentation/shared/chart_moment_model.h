#pragma once

#include <optional>
#include <string_view>

#include "calendar/date_time.h"
#include "engine/chart_record.h"

namespace kirvo {

struct SysSettings;

enum class StepDirection { kBack, kForward };

// The chart moment (作式) and the range of the running luck as a window's moment strip holds them:
// the chart window, the person list and the luck windows each keep one. The moment is always in
// whole minutes, as the date and "hh:nn" fields show it, and always one the program computes with.
class ChartMomentModel {
 public:
  ChartMomentModel() = default;
  ChartMomentModel(DateTime moment, LuckRange range);

  DateTime moment() const { return moment_; }
  LuckRange range() const { return range_; }

  void SetRange(LuckRange range) { range_ = range; }
  // The moment cut to whole minutes. False (nothing changes) for a moment outside those the program
  // computes with (IsAcceptedMoment).
  bool SetMoment(DateTime moment);
  // "現在": the default chart moment of the system settings for the birth text (none for a list of
  // persons) at the clock reading `now`; false as SetMoment.
  bool SetToNow(const SysSettings& sys, std::optional<std::string_view> birth_text, DateTime now);

  // The two-hour control beside the time field, at any range: the moment moves two hours and the
  // date follows over midnight, month ends and year ends (22:00 up gives 00:00 of the next day).
  void StepTwoHours(StepDirection direction);
  // Stepping by the period of the range: 3652.5 days at 大運まで, 365.25 at 年運まで, 30.59 at
  // 月運まで, one day at 日運まで — the date moves by whole days and keeps its time — and two hours
  // at 時運まで. At 命式のみ nothing moves.
  void Step(StepDirection direction);
  // Whether a step stays in the person's life: back while the date less one period lies after
  // `birth`, forward while the date plus one period lies before `birth` plus 110 years (40177.5
  // days); never at 命式のみ, where a step moves nothing.
  bool CanStep(StepDirection direction, DateTime birth) const;

 private:
  DateTime moment_;
  LuckRange range_ = LuckRange::kNatalOnly;
};

// Which fields of the strip a range uses: the date from 大運まで, the time from 月運まで.
inline constexpr bool RangeUsesDate(LuckRange range) { return range >= LuckRange::kMajorLuck; }
inline constexpr bool RangeUsesTime(LuckRange range) { return range >= LuckRange::kMonthLuck; }

}  // namespace kirvo
