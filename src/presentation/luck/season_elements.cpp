#include "presentation/luck/season_elements.h"

#include <optional>

#include "settings/sys_colours.h"

namespace kirvo {
namespace {

constexpr Element kWood = 0, kFire = 1, kEarth = 2, kMetal = 3, kWater = 4, kNone = kNoElement;

// clang-format off
constexpr std::array<std::array<Element, 3>, 12> kSeasonElements = {{
    {kWater, kNone,  kNone},   // 子
    {kWater, kMetal, kEarth},  // 丑
    {kWood,  kFire,  kNone},   // 寅
    {kWood,  kNone,  kNone},   // 卯
    {kWood,  kWater, kEarth},  // 辰
    {kFire,  kMetal, kNone},   // 巳
    {kFire,  kNone,  kNone},   // 午
    {kFire,  kWood,  kEarth},  // 未
    {kMetal, kWater, kNone},   // 申
    {kMetal, kNone,  kNone},   // 酉
    {kMetal, kFire,  kEarth},  // 戌
    {kWater, kWood,  kNone},   // 亥
}};
// clang-format on

}  // namespace

std::array<Element, 3> SeasonElementsOf(Branch branch) {
  if (branch < 0 || branch >= 12) return {kNone, kNone, kNone};
  return kSeasonElements[static_cast<std::size_t>(branch)];
}

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
  for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) board(board::kHeaders, row).Text.clear();
  return shown;
}

}  // namespace kirvo
