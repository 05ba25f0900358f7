#include "presentation/chart/chart_cell_hint.h"

#include <array>

#include "engine/ten_gods.h"
#include "presentation/chart/chart_text_copy.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// clang-format off
constexpr std::array<std::string_view, 10> kPillarNames = {
    "", "命式年柱", "命式月柱", "命式日柱", "命式時柱", "大運柱", "行運年柱", "行運月柱", "行運日柱", "行運時柱"};
// clang-format on

bool IsPillarDigit(char c) { return c >= '1' && c <= '9'; }

}  // namespace

std::string_view PillarName(int pillar_number) {
  return pillar_number >= 1 && pillar_number <= 9 ? kPillarNames[pillar_number] : std::string_view();
}

std::optional<std::string> BoardCellHint(const ChartBoard& board, BoardPosition cell, const SysSettings& sys,
                                         const EarthStarHints* earth_star_hints) {
  if (cell.column < board::kRunningHour || cell.column > board::kYear) return std::nullopt;
  const std::string& text = board(cell.column, cell.row).Text;
  if (text.empty()) return std::nullopt;
  if (cell.row == board::kEarthStar && earth_star_hints != nullptr) {
    std::string hint =
        EarthStarHint((*earth_star_hints)[static_cast<std::size_t>(cell.column.index)], sys.names.ten_gods);
    if (!hint.empty()) return hint;
  }
  if (IsPillarDigit(text.front())) {
    std::string hint = "<< " + std::string(PillarName(board::PillarNumber(cell.column))) + "：" +
                       std::string(ChartRowLabel(cell.row)) + " >>";
    for (const char digit : text) {
      if (IsPillarDigit(digit)) hint += "\n" + std::string(PillarName(digit - '0'));
    }
    return hint;
  }
  if (const std::optional<Stem> stem = StemIndexOf(text)) {
    const Stem day_master = board(board::kDay, board::kWorkStem).Code;
    return std::string(TenGodName(TenGodOf(day_master, *stem), sys.names.ten_gods));
  }
  return std::nullopt;
}

}  // namespace kirvo
