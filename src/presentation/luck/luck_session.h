#pragma once

#include <filesystem>
#include <optional>

#include "calendar/date_time.h"
#include "platform/outcome.h"
#include "presentation/chart/chart_session.h"
#include "presentation/luck/luck_graph.h"
#include "presentation/luck/luck_table.h"
#include "presentation/services/application_services.h"
#include "presentation/shared/chart_moment_model.h"

namespace kirvo {

// One person's running luck as the luck window (`TKouF`) drives it: the chart date and time of its
// fields, the table of the chosen level pair, the graph drawn from it, and the chart session whose
// content the side panel shows (a period's chart once a column is shown). Every rebuild, shift and
// page renews the graph and shows the highlighted period's chart.
class LuckSession {
 public:
  // `chart` has been computed (the window's person at its opening moment); `services` outlive the
  // session. The table is empty until the first Place or Now.
  LuckSession(const ApplicationServices& services, ChartSession chart, LuckLevel level);

  const BirthInput& input() const { return chart_.input(); }
  bool hour_known() const { return chart_.hour_known(); }
  LuckLevel level() const { return table_.level; }
  const LuckTable& table() const { return table_; }
  const LuckGraph& graph() const { return graph_; }
  const ChartSession& chart_session() const { return chart_; }
  // The chart date and time (`NDate`, `NTime`), which the window's moment strip edits in place.
  ChartMomentModel& moment_model() { return moment_; }
  const ChartMomentModel& moment_model() const { return moment_; }
  // The column selected and shown in the side panel; 0 for none.
  int selected_column() const { return selected_; }

  // The table placed around the chart date and time.
  void Place();
  // A new level pair, placed at the same chart date and time.
  void SetLevel(LuckLevel level);
  // "現在の日時": the default chart moment of the settings for the birth at the clock reading
  // `clock`, then Place. False (nothing changes) when that moment is not one the program computes with.
  bool Now(DateTime clock);

  // One period, or N − 1 periods, back or forward; false (nothing changes, the window beeps) at an
  // end without data and at the major-luck level.
  bool Shift(StepDirection direction);
  bool Page(StepDirection direction);

  // A click on a period column: its chart goes to the side panel and the column is selected. False
  // (the window beeps) for a column without data.
  bool ShowColumn(int column);

  // The content of the shown chart again (the window became active).
  void RefreshContent() { chart_.RefreshContent(); }

  // "行運表のcsv出力": all 20 rows and all columns, Shift-JIS, CR LF.
  Status ExportCsv(const std::filesystem::path& path) const;

 private:
  void AfterMove();

  const ApplicationServices* services_;
  ChartSession chart_;
  ChartMomentModel moment_;
  LuckTable table_;
  LuckGraph graph_;
  int selected_ = 0;
};

}  // namespace kirvo
