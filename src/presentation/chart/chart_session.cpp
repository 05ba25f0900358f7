#include "presentation/chart/chart_session.h"

#include <utility>

#include "engine/chart_age.h"
#include "calendar/accepted_moments.h"
#include "engine/chart_pipeline.h"

namespace kirvo {

ChartSession::ChartSession(const ApplicationServices& services, BirthInput input, bool hour_known)
    : services_(&services),
      input_(std::move(input)),
      hour_known_(hour_known),
      moment_(DateTime(), LuckRangeOf(services.settings().sys.CB1).value_or(LuckRange::kNatalOnly)),
      content_(NewChartContent(services.rules(), services.content_branding())) {}

Outcome<ChartSession> ChartSession::Create(const ApplicationServices& services, BirthInput input, DateTime now,
                                           std::optional<DateTime> chart_moment) {
  const bool hour_known = HourKnown(input);
  input.birth = input.birth.TakenAtNoon();
  ChartSession session(services, std::move(input), hour_known);
  if (chart_moment) {
    if (!session.SetChartMoment(*chart_moment)) {
      return Outcome<ChartSession>::Failure("作式日時: 扱える範囲の外の日時です (" + AcceptedMomentRangeText() + ")");
    }
    return session;
  }
  if (!session.SetChartMomentToDefault(now)) {
    return Outcome<ChartSession>::Failure("既定の作式日時: 扱える範囲の外の日時です (" + AcceptedMomentRangeText() + ")");
  }
  return session;
}

void ChartSession::SetRange(LuckRange range) { moment_.SetRange(range); }

bool ChartSession::SetChartMoment(DateTime moment) { return moment_.SetMoment(moment); }

bool ChartSession::SetChartMomentToDefault(DateTime now) {
  return moment_.SetToNow(services_->settings().sys, input_.birth.Text(), now);
}

bool ChartSession::CanStep(StepDirection direction) const {
  return moment_.CanStep(direction, input_.birth.moment);
}

void ChartSession::Step(StepDirection direction) { moment_.Step(direction); }

void ChartSession::StepTwoHours(StepDirection direction) { moment_.StepTwoHours(direction); }

Status ChartSession::Compute() {
  TMeiData record = NewChartRecord(input_, moment_.moment());
  if (!PassesAgeCheck(record.ChartDateTime, record.BirthDateTime)) {
    const std::string refusal = OutsideChartAgesText(moment_.moment());
    // The strip shows the moment of the chart it shows, not the refused one.
    if (computed_) moment_.SetMoment(chart_.record.ChartDateTime);
    return Status::Failure(refusal);
  }
  chart_.record = std::move(record);
  chart_.range = moment_.range();
  chart_.hour_known = hour_known_;
  RunFullPipeline(chart_, services_->rules());
  computed_ = true;
  header_.reset();
  age_.reset();
  RefreshContent();
  return {};
}

void ChartSession::RefreshContent() {
  if (!computed_) return;
  RefreshChartContent(content_, ContentPrefix(), chart_, services_->rules(), services_->content_branding(),
                      services_->explanations());
  if (header_) content_.header = *header_;
  if (age_) content_.summary.Old = *age_;
}

void ChartSession::SetContentHeading(std::string header, std::optional<std::string> age) {
  header_ = std::move(header);
  age_ = std::move(age);
  RefreshContent();
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
