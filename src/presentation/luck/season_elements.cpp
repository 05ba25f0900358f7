#include "presentation/luck/season_elements.h"

#include <optional>

#include "settings/sys_colours.h"

namespace kirvo {
namespace {

constexpr Element kNone = kNoElement;

}  // namespace

Chart WithSeasonElements(const Chart& chart, const SysSettings& sys) {
  Chart shown = chart;
  ChartBoard& board = shown.board;
  for (BoardColumn column = board::kHour; column <= board::kYear; ++column) {
    const std::optional<Branch> branch = BranchIndexOf(chart.board(column, board::kWorkBranch).Text);
    const bool blank = !branch || (column == board::kHour && !chart.hour_known);
    const std::array<Element, 3> elements = blank ? SeasonElementsOf(-1) : SeasonElementsOf(*branch);
    for (int place = 0; place < 3; ++place) {
      const int row = board::kWorkHidden1 + place;
      const ChartCell& hidden = chart.board(column, row);
      ChartCell& cell = board(column, row);
      const Element element = elements[static_cast<std::size_t>(place)];
      cell.Text = element == kNone ? std::string() : std::string(kElementNames[static_cast<std::size_t>(element)]);
      cell.TopColor = element == kNone ? kWhite : ElementColour(sys.CP, element);
      cell.ZSet = hidden.ZSet < Mark::kMonthCommand && !hidden.Text.empty() ? hidden.ZSet : Mark::kNone;
      cell.Mark = false;
    }
  }
  shown.season_elements = true;
  return shown;
}

}  // namespace kirvo
