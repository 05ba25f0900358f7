#include "presentation/luck/luck_session.h"

#include <utility>

#include "presentation/shared/grid_csv.h"

namespace kirvo {

LuckSession::LuckSession(const ApplicationServices& services, ChartSession chart, LuckLevel level)
    : services_(&services),
      chart_(std::move(chart)),
      moment_(chart_.chart_moment(), LuckRange::kHourLuck),
      table_(NewLuckTable(chart_.input(), level, chart_.chart_moment())) {
  // The chart session holds the birth taken at 12:00; the table keeps whether the hour is known.
  table_.hour_known = chart_.hour_known();
}

void LuckSession::Place() {
  BuildLuckTable(table_, moment_.moment(), services_->rules());
  AfterMove();
}

void LuckSession::SetLevel(LuckLevel level) {
  table_.level = level;
  Place();
}

bool LuckSession::Now(DateTime clock) {
  BirthMoment birth = chart_.input().birth;
  birth.hour_known = chart_.hour_known();
  if (!moment_.SetToNow(services_->settings().sys, birth.Text(), clock)) return false;
  Place();
  return true;
}

bool LuckSession::Shift(StepDirection direction) {
  if (!ShiftLuckTable(table_, direction, services_->rules())) return false;
  AfterMove();
  return true;
}

bool LuckSession::Page(StepDirection direction) {
  if (!PageLuckTable(table_, direction, services_->rules())) return false;
  AfterMove();
  return true;
}

bool LuckSession::ShowColumn(int column) {
  const std::optional<LuckColumnChartData> data = LuckColumnChart(table_, column);
  if (!data) return false;
  chart_.SetRange(data->range);
  if (!chart_.SetChartMoment(data->chart_moment) || !chart_.Compute()) return false;
  chart_.SetContentHeading(data->header, data->age_text);
  selected_ = column;
  return true;
}

void LuckSession::AfterMove() {
  graph_ = LuckGraphOf(table_);
  selected_ = 0;
  ShowColumn(table_.highlighted);
}

Status LuckSession::ExportCsv(const std::filesystem::path& path) const {
  return WriteGridCsv(path, LuckTableRows(table_));
}

}  // namespace kirvo
