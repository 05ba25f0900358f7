#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/date_time.h"
#include "calendar/depth_distribution.h"
#include "calendar/sexagenary.h"
#include "calendar/term_clock.h"
#include "platform/outcome.h"

namespace kirvo {

class TermMomentCache;

// Where a day begins: 0 午後11時 (23:00 of the previous date), 1 午前 0時 (midnight).
enum class DayBoundary { kElevenPm = 0, kMidnight = 1 };

// Depth mode of a natal pillar: 0 本気 only; 1 depth within the month (日の深浅); 2 depth within
// the pillar's own period (year, day or double-hour; the month pillar has no mode 2).
enum class DepthMode { kPrincipalOnly = 0, kWithinMonth = 1, kWithinOwnPeriod = 2 };

// Which kind of period a depth is measured in, and where such a period starts.
enum class PeriodKind { kYear = 0, kMonth = 1, kDay = 2, kDoubleHour = 3 };

// The settings a pillar computation reads: the day boundary `DRG`, the depth modes `ZRG0`..`ZRG3`
// of the year, month, day and hour pillars, the hidden-stem distribution `ZSG`, and the time zone
// `TZE` and the method of the term search.
struct CalendarRules {
  DayBoundary day_boundary = DayBoundary::kMidnight;
  std::array<DepthMode, 4> depth_modes = {DepthMode::kWithinMonth, DepthMode::kWithinMonth,
                                          DepthMode::kWithinMonth, DepthMode::kWithinMonth};
  DepthDistribution distribution;
  TermClock term_clock;
};

// Depth class of a pillar: which of its branch's hidden stems is in command.
enum class DepthClass { kResidual = 0 /*余気*/, kMiddle = 1 /*中気*/, kPrincipal = 2 /*本気*/ };

// The four pillars of one moment with what the chart needs to know about that moment.
struct MomentPillars {
  static constexpr int kYear = 0, kMonth = 1, kDay = 2, kHour = 3, kMajorLuck = 4;

  // Slots 0..3 year, month, day, hour; slot 4 belongs to the major luck and is never written here.
  std::array<Stem, 5> stems{};
  std::array<Branch, 5> branches{};
  std::string month_start_moment;  // the 節 that opened the month, "y/m/d h:n:s" (or "y/m/d")
  int season_index = 0;            // 0..4, see kSeasonNames
  int season_quarter = 0;          // 0..3
  double sun_longitude = 0.0;      // λ0 at the start of the hour, degrees
  std::array<DepthClass, 5> depth_class{};
  std::array<std::string, 5> depth_stem{};  // stem names

  Kanshi Pillar(int slot) const { return {stems[slot], branches[slot]}; }

  // The pillars of `moment` under `rules`. A cache of month-opening terms may be passed by callers
  // that compute many moments; the results are the same with or without it. Callers that only
  // compare stems and branches may ask for those alone: the depth, the season and the longitude
  // (which cost further term searches and evaluations of the sun) are then not set. Callers that
  // need the depth but not the season may leave out the season and the longitude.
  enum class Detail { kWithDepth, kWithDepthWithoutSeason, kStemsAndBranches };
  static MomentPillars At(DateTime moment, const CalendarRules& rules, TermMomentCache* cache = nullptr,
                          Detail detail = Detail::kWithDepth);
};

// Depth of a moment within a period: the segment 0..3 (余気, 中気, second 中気, 本気) of a
// distribution row the moment falls in, each segment owning its share of the period measured to
// the minute; a moment exactly on a boundary stays in the earlier segment. Nothing when the row's
// days add up to zero.
std::optional<int> DepthSegmentAt(DateTime moment, DateTime period_start, DateTime period_end, const DistributionRow& row);
constexpr DepthClass DepthClassOfSegment(int segment) {
  return segment == 0 ? DepthClass::kResidual : segment == 3 ? DepthClass::kPrincipal : DepthClass::kMiddle;
}

// The hour branch of a clock hour 0..23: 23:00–0:59 子, 1:00–2:59 丑, ... 21:00–22:59 亥.
constexpr Branch HourBranch(int hour) { return ((hour + 1) / 2) % 12; }

// Whole days of `moment` (since 1899-12-30), plus one in the 23 o'clock hour when days begin at 23:00.
long DayNumberUnderBoundary(DateTime moment, DayBoundary boundary);

// The start of the period of `kind` containing `moment`: the 立春 or 節 at or before it (to the
// minute), the start of its day under the day boundary, or the start of its double-hour.
DateTime DepthPeriodStart(PeriodKind kind, DateTime moment, const CalendarRules& rules,
                          TermMomentCache* cache = nullptr);

// Steps a moment by n luck units (0 decade, 1 year, 2 month, 3 day, 4 double-hour), backwards when
// asked. Month-based steps keep the time of day and clamp the day to the target month. Leaving
// years 1..9999 is a failure whose message is "DateConvert Error :" with the moment; the caller
// shows it and keeps the moment.
Outcome<DateTime> StepMoment(int unit, int n, bool backwards, DateTime moment);

}  // namespace kirvo
