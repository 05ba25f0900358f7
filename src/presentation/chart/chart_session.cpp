#include "presentation/chart/chart_session.h"

#include <array>
#include <cmath>
#include <utility>

#include "engine/chart_age.h"
#include "calendar/accepted_moments.h"
#include "engine/chart_pipeline.h"
#include "settings/sys_chart_moment.h"

namespace kirvo {
namespace {

// How far one step moves the chart date, by range; 時運まで moves the time instead.
constexpr std::array<double, kLuckRangeCount> kStepPeriodDays = {0, 3652.5, 365.25, 30.59, 1, 0};
constexpr double kTwoHoursDays = 2.0 / 24;
// The last chart date forward stepping may reach: 110 years of 365.25 days after birth.
constexpr double kStepLimitDays = 40177.5;

// The moment as the date and "hh:nn" fields hold it; nothing outside the moments the program computes with.
std::optional<DateTime> WholeMinutes(DateTime moment) {
  const std::optional<DateTime> whole = DateTime::ParseDateTimeText(moment.DateTimeText());
  return whole && IsAcceptedMoment(*whole) ? whole : std::nullopt;
}

// Where one step leads: the date field moves by the period (its fraction is lost, as a date field
// keeps whole days) and keeps its time; at 時運まで the moment moves two hours.
DateTime SteppedMoment(DateTime moment, LuckRange range, StepDirection direction) {
  const double sign = direction == StepDirection::kForward ? 1 : -1;
  if (range == LuckRange::kHourLuck) return moment + sign * kTwoHoursDays;
  const double time_of_day = moment - moment.DateOnly();
  const double date = std::floor(moment.DateOnly().days() + sign * kStepPeriodDays[LuckRangeNumber(range)]);
  return DateTime(date + time_of_day);
}

}  // namespace

ChartSession::ChartSession(const ApplicationServices& services, BirthInput input, bool hour_known)
    : services_(&services),
      input_(std::move(input)),
      hour_known_(hour_known),
      range_(LuckRangeOf(services.settings().sys.CB1).value_or(LuckRange::kNatalOnly)),
      content_(NewChartContent(services.rules(), services.content_branding())) {}

Outcome<ChartSession> ChartSession::Create(const ApplicationServices& services, BirthInput input, DateTime now) {
  const bool hour_known = HourKnown(input);
  if (!hour_known) input.time_text = kUnknownBirthTimeTakenAs;
  if (!NewChartRecord(input, DateTime())) {
    return Outcome<ChartSession>::Failure("生年月日時が正しくありません: " + input.date_text + " " + input.time_text);
  }
  ChartSession session(services, std::move(input), hour_known);
  if (!session.SetChartMomentToDefault(now)) {
    return Outcome<ChartSession>::Failure("既定の作式日時: 扱える範囲の外の日時です (" + AcceptedMomentRangeText() + ")");
  }
  return session;
}

void ChartSession::SetRange(LuckRange range) { range_ = range; }

bool ChartSession::SetChartMoment(DateTime moment) {
  const std::optional<DateTime> whole = WholeMinutes(moment);
  if (!whole) return false;
  moment_ = *whole;
  return true;
}

bool ChartSession::SetChartMomentToDefault(DateTime now) {
  const std::string birth_text = input_.date_text + " " + input_.time_text;
  return SetChartMoment(DefaultChartMoment(services_->settings().sys, birth_text, now));
}

bool ChartSession::CanStep(StepDirection direction) const {
  if (range_ == LuckRange::kNatalOnly) return true;
  const DateTime birth = NewChartRecord(input_, moment_)->BirthDateTime;
  const double date = moment_.DateOnly().days();
  const double period = range_ == LuckRange::kHourLuck ? kTwoHoursDays : kStepPeriodDays[LuckRangeNumber(range_)];
  if (direction == StepDirection::kBack) return DateTime(date - period) > birth;
  return DateTime(date + period) < birth + kStepLimitDays;
}

void ChartSession::Step(StepDirection direction) {
  if (range_ == LuckRange::kNatalOnly) return;
  SetChartMoment(SteppedMoment(moment_, range_, direction));
}

void ChartSession::StepTwoHours(StepDirection direction) {
  SetChartMoment(moment_ + (direction == StepDirection::kForward ? kTwoHoursDays : -kTwoHoursDays));
}

Status ChartSession::Compute() {
  TMeiData record = *NewChartRecord(input_, moment_);
  if (!PassesAgeCheck(record.ChartDateTime, record.BirthDateTime)) {
    return Status::Failure("作式日時 " + moment_.DateTimeText() + " は生年月日時から 0〜110 歳の範囲にありません");
  }
  chart_.record = std::move(record);
  chart_.range = range_;
  chart_.hour_known = hour_known_;
  RunFullPipeline(chart_, services_->rules());
  computed_ = true;
  RefreshContent();
  return {};
}

void ChartSession::RefreshContent() {
  if (!computed_) return;
  RefreshChartContent(content_, ContentPrefix(), chart_, services_->rules(), services_->content_branding(),
                      services_->explanations());
}

bool ChartSession::ChangeByHand(BoardPosition cell, HandChange change) {
  if (!computed_ || !IsHandChangeable(cell)) return false;
  const auto menu = HandChangeMenu(chart_.board, cell);
  if (!menu[static_cast<std::size_t>(change) - 1].enabled) return false;
  ApplyHandChange(chart_.board, cell, change);
  RefreshContent();
  return true;
}

std::string ChartSession::ContentPrefix() const { return "< " + std::string(LuckRangeCaption(chart_.range)) + " >"; }

std::vector<std::string> ChartSession::TextCopy(bool show_original) const {
  std::vector<std::string> lines = ChartTextCopy(chart_, ChartRowLayoutOf(services_->settings().sys, show_original));
  // Only charts of births near a month-opening term get the extra line; all others read as before.
  if (content_.near_term) lines.push_back(content_.near_term->copy_line);
  return lines;
}

}  // namespace kirvo
