#include "presentation/luck/combined_session.h"

#include <utility>

#include "engine/chart_age.h"
#include "settings/sys_chart_moment.h"

namespace kirvo {
namespace {

constexpr double kNoon = 0.5;

DateTime NoonOf(DateTime date) { return date.DateOnly() + kNoon; }

}  // namespace

CombinedSession::CombinedSession(const ApplicationServices& services, ChartSession chart, LuckStrips strips)
    : services_(&services), chart_(std::move(chart)), strips_(std::move(strips)) {}

Outcome<CombinedSession> CombinedSession::Create(const ApplicationServices& services, BirthInput input, DateTime now,
                                                 std::optional<DateTime> date) {
  Outcome<ChartSession> created = ChartSession::Create(services, std::move(input), now, date);
  if (!created) return Outcome<CombinedSession>::Failure(created.error());
  ChartSession chart = std::move(created).value();
  chart.SetRange(LuckRange::kNatalOnly);
  const LuckStrips strips(services.settings().sys.KCB1, chart.chart_moment());
  return CombinedSession(services, std::move(chart), strips);
}

int CombinedSession::ShownColumns() const { return StripShownColumns(services_->settings().sys); }

Status CombinedSession::Recompute() {
  if (!chart_.SetChartMoment(NoonOf(strips_.upper_date()))) {
    return Status::Failure(OutsideChartAgesText(strips_.upper_date()));
  }
  return chart_.Compute();
}

void CombinedSession::FillStrips(DateTime today, LuckStrips::View view) {
  strips_.Fill(StripPersonOf(chart_.chart()), services_->rules(), today, ShownColumns(), view);
}

void CombinedSession::SetLevelItem(int item, DateTime today) {
  strips_.SetLevelItem(item);
  FillStrips(today);
}

Status CombinedSession::Step(StripSide side, StripStep step, DateTime today) {
  Status computed;
  if (strips_.Step(side, step)) computed = Recompute();
  FillStrips(today, LuckStrips::View::kKeepScrolled);
  return computed;
}

Status CombinedSession::Now(DateTime now, DateTime today) {
  strips_.SetDates(DefaultChartMoment(services_->settings().sys, chart_.input().birth.Text(), now));
  const Status computed = Recompute();
  FillStrips(today);
  return computed;
}

}  // namespace kirvo
