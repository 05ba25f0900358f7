#include "presentation/luck/luck_strips.h"

#include <algorithm>

#include "calendar/moment_pillars.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// The date of a 月運 strip moves by a year, of a 日運 strip by a month.
constexpr int kMonthStripStepMonths = 12;
constexpr int kDayStripStepMonths = 1;
// The upper 月運 strip's caption reads the year of its 14th month (March of the strip's year).
constexpr std::size_t kMonthCaptionMoment = 13;

std::optional<DateTime> MonthsLater(DateTime moment, int months) {
  Outcome<DateTime> stepped = StepMoment(2, months < 0 ? -months : months, months < 0, moment);
  if (!stepped) return std::nullopt;
  return stepped.value();
}

std::string YearCaption(DateTime moment) { return std::to_string(moment.Fields().year) + "年"; }
std::string YearMonthCaption(DateTime moment) {
  const DateFields fields = moment.Fields();
  return std::to_string(fields.year) + "年" + std::to_string(fields.month) + "月";
}

int LastView(const LuckStrip& strip, int shown) { return std::max(0, strip.ColumnCount() - shown); }

// The strip's shown columns, right-aligned in `shown` cells, then its label.
void AppendPrintRows(StripPrintGrid& grid, const LuckStrip& strip, const std::array<std::string, kStripRows>& labels,
                     const SysSettings& sys, int shown) {
  const int first = strip.first_shown;
  const int count = std::clamp(strip.ColumnCount() - first, 0, shown);
  for (int row = 0; row < kStripRows; ++row) {
    std::vector<std::string> cells(static_cast<std::size_t>(shown) + 1);
    for (int k = 0; k < count; ++k) cells[static_cast<std::size_t>(shown - count + k)] = strip.Cell(first + k, row);
    cells.back() = labels[row];
    grid.rows.push_back(std::move(cells));
    grid.row_shown.push_back(StripRowShown(sys, row));
  }
}

}  // namespace

StripLevel StripLevelOfItem(int item) {
  if (item < static_cast<int>(StripLevel::kMajorLuck) || item > static_cast<int>(StripLevel::kDayLuck)) {
    return StripLevel::kMajorLuck;
  }
  return static_cast<StripLevel>(item);
}

LuckStrips::LuckStrips(int level_item, DateTime date)
    : upper_level_(StripLevelOfItem(level_item)), upper_date_(date), lower_date_(date) {}

StripLevel LuckStrips::lower_level() const {
  return static_cast<StripLevel>(std::min(static_cast<int>(upper_level_) + 1, static_cast<int>(StripLevel::kDayLuck)));
}

void LuckStrips::SetLevelItem(int item) { upper_level_ = StripLevelOfItem(item); }

void LuckStrips::SetDates(DateTime moment) {
  upper_date_ = moment;
  lower_date_ = moment;
}

bool LuckStrips::Step(StripSide side, StripStep step) {
  const StripLevel level = side == StripSide::kUpper ? upper_level_ : lower_level();
  LuckStrip& strip = side == StripSide::kUpper ? upper_ : lower_;
  DateTime& date = side == StripSide::kUpper ? upper_date_ : lower_date_;
  const DateTime upper_before = upper_date_, lower_before = lower_date_;
  const int sign = step == StripStep::kLater ? 1 : -1;
  switch (level) {
    case StripLevel::kMajorLuck:
      break;
    case StripLevel::kYearLuck:
      // The latest periods stand at the left: later means scrolling left.
      strip.first_shown = std::clamp(strip.first_shown - sign * shown_, 0, LastView(strip, shown_));
      break;
    case StripLevel::kMonthLuck:
    case StripLevel::kDayLuck: {
      const int months = level == StripLevel::kMonthLuck ? kMonthStripStepMonths : kDayStripStepMonths;
      if (const std::optional<DateTime> moved = MonthsLater(date, sign * months)) date = *moved;
      break;
    }
  }
  if (side == StripSide::kUpper) lower_date_ = upper_date_;
  return upper_date_ != upper_before || lower_date_ != lower_before;
}

void LuckStrips::ScrollTo(StripSide side, int first_shown) {
  LuckStrip& strip = side == StripSide::kUpper ? upper_ : lower_;
  strip.first_shown = std::clamp(first_shown, 0, LastView(strip, shown_));
}

std::optional<DateTime> LuckStrips::LowerFillDate() const {
  if (upper_level_ != StripLevel::kDayLuck) return lower_date_;
  return MonthsLater(lower_date_, 1);
}

void LuckStrips::Fill(const StripPerson& person, const ChartRules& rules, DateTime today, int shown, View view) {
  const auto fill = [&](LuckStrip& strip, StripLevel level, std::optional<DateTime> date) {
    if (!date) {  // the following month lies beyond the calendar
      strip = LuckStrip();
      strip.level = level;
      strip.date = lower_date_;
      return;
    }
    const bool keep = view == View::kKeepScrolled && level == StripLevel::kYearLuck && strip.level == level &&
                      strip.ColumnCount() > 0;
    const int scrolled = strip.first_shown;
    strip = BuildLuckStrip(level, *date, person, rules, today, shown);
    if (keep) strip.first_shown = std::clamp(scrolled, 0, LastView(strip, shown));
  };
  shown_ = shown;
  fill(upper_, upper_level_, upper_date_);
  fill(lower_, lower_level(), LowerFillDate());
}

std::string LuckStrips::LowerCaption() const {
  if (upper_level_ == StripLevel::kDayLuck) return "下段>翌月";
  return "下段>" + std::string(StripLevelName(lower_level()));
}

std::string LuckStrips::UpperDateCaption() const {
  const std::vector<DateTime>& moments = upper_.moments;
  if (upper_level_ == StripLevel::kMonthLuck) {
    return moments.size() > kMonthCaptionMoment ? YearCaption(moments[kMonthCaptionMoment]) : std::string();
  }
  return moments.empty() ? std::string() : YearMonthCaption(moments.front());
}

std::string LuckStrips::LowerDateCaption() const {
  return upper_level_ == StripLevel::kYearLuck ? YearCaption(lower_date_) : YearMonthCaption(lower_date_);
}

StripControls LuckStrips::Controls(bool lower_hidden) const {
  const int level = static_cast<int>(upper_level_);
  StripControls controls;
  controls.upper_steps = level >= 2;
  controls.upper_date = level >= 3;
  controls.lower_date = (level == 2 || level == 3) && !lower_hidden;
  controls.lower_steps = level <= 3 && !lower_hidden;
  return controls;
}

std::vector<std::vector<std::string>> LuckStrips::CsvRows() const {
  std::vector<std::vector<std::string>> rows(kStripRows);
  for (int row = 0; row < kStripRows; ++row) {
    for (int column = 0; column < upper_.ColumnCount(); ++column) rows[row].push_back(upper_.Cell(column, row));
  }
  return rows;
}

StripPrintGrid LuckStrips::PrintGrid(const SysSettings& sys, StartOfLuckUnit unit, bool lower_shown) const {
  StripPrintGrid grid;
  AppendPrintRows(grid, upper_, StripRowLabels(upper_level_, unit), sys, shown_);
  if (lower_shown) {
    grid.rows.emplace_back(static_cast<std::size_t>(shown_) + 1);
    grid.row_shown.push_back(true);
    AppendPrintRows(grid, lower_, StripRowLabels(lower_level(), unit), sys, shown_);
  }
  return grid;
}

std::string LuckStrips::PrintCaption(bool lower_shown) const {
  const std::string level(StripLevelName(upper_level_));
  if (!lower_shown) return level;
  return "上段>" + level + "　" + LowerCaption();
}

}  // namespace kirvo
