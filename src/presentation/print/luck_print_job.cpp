#include "presentation/print/luck_print_job.h"

#include "presentation/luck/luck_levels.h"
#include "presentation/luck/luck_session.h"
#include "presentation/luck/luck_view.h"

namespace kirvo {
namespace {

constexpr int kLuckRowUnits = 18;  // the luck window's row height
constexpr int kLuckFixedRows = 3;  // the period headings

}  // namespace

PrintJob LuckPrintJob(const LuckSession& session, const SysSettings& sys) {
  return LuckPrintJob(session.table(), session.graph(), sys);
}

PrintJob LuckPrintJob(const LuckTable& table, const LuckGraph& graph, const SysSettings& sys) {
  PrintJob job;
  job.source = PrintSource::kLuckTable;
  job.title = "行運表　" + table.person.name + "　" + std::string(LuckLevelRowOf(table.level).caption);
  job.target.name = std::string(PrintSourceName(PrintSource::kLuckTable));
  job.target.grid = LuckTableGrid(table, sys, 0);
  job.target.fixed_rows = kLuckFixedRows;
  job.target.row_heights.resize(job.target.grid.rows());
  for (std::size_t row = 0; row < job.target.row_heights.size(); ++row) {
    job.target.row_heights[row] = LuckRowShown(sys, static_cast<int>(row)) ? kLuckRowUnits : 0;
  }
  job.graph = graph;
  return job;
}

}  // namespace kirvo
