#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "platform/small_list.h"
#include "presentation/panel/chart_content.h"

namespace kirvo {
namespace {

// Columns of the table from the left: 時 日 月 年, so pillar p stands in column 3 − p.
constexpr std::array<std::string_view, kSpiritStarTableColumns> kPillarHeaders = {"時", "日", "月", "年"};
constexpr std::size_t ColumnOf(NatalPillar pillar) { return kSpiritStarTableColumns - 1 - pillar; }

// Headings of the text, by pillar year, month, day, hour.
constexpr std::array<std::string_view, kNatalPillarCount> kPillarHeadings = {"＜ 年柱 ＞", "＜ 月柱 ＞", "＜ 日柱 ＞",
                                                                             "＜ 時柱 ＞"};

constexpr std::array<NatalPillar, kNatalPillarCount> kPillars = {kYearPillar, kMonthPillar, kDayPillar, kHourPillar};

}  // namespace

void FillSpiritStarTable(TextTable& table, const SpiritStars& stars, const SpiritStarSlotNames& names) {
  // Each pillar's list runs down from row 1 without gaps, so the first row whose four cells are
  // empty follows the longest list; a list filling all 19 rows keeps the whole table.
  std::array<SmallList<int, kSpiritStarSlotCount>, kNatalPillarCount> slots;
  for (int slot = 0; slot < kSpiritStarSlotCount; ++slot) {
    for (const NatalPillar pillar : kPillars) {
      if (stars.Carries(slot, pillar)) slots[pillar].push_back(slot);
    }
  }
  std::size_t longest = 0;
  for (const auto& carried : slots) longest = std::max(longest, carried.size());
  const std::size_t rows = std::min(1 + longest, kSpiritStarTableRows);

  table.Reshape(kSpiritStarTableColumns, rows);
  for (std::size_t column = 0; column < kSpiritStarTableColumns; ++column)
    table.SetCell(column, 0, kPillarHeaders[column]);
  for (const NatalPillar pillar : kPillars) {
    for (std::size_t k = 0; k < slots[pillar].size() && k + 1 < rows; ++k) {
      table.SetCell(ColumnOf(pillar), k + 1, names[slots[pillar][k]]);
    }
  }
}

TextTable SpiritStarTable(const SpiritStars& stars, const SpiritStarSlotNames& names) {
  TextTable table;
  FillSpiritStarTable(table, stars, names);
  return table;
}

void WriteSpiritStarText(std::string& text, const SpiritStars& stars, const SpiritStarSlotNames& names,
                         ExplanationSource& explanations) {
  // Lines joined with line breaks: each line is followed by one, and the last one dropped.
  text.clear();
  for (const NatalPillar pillar : kPillars) {
    text.append(kPillarHeadings[pillar]) += '\n';
    for (int slot = 1; slot < kSpiritStarSlotCount; ++slot) {
      if (!stars.Carries(slot, pillar)) continue;
      ((text += "～") += names[slot]) += "～\n";
      // A text that can't be read leaves the heading alone; the source's owner tells the user.
      static_cast<void>(explanations.AppendExplanation(text, kSpiritStarExplanations, slot));
      text += '\n';
    }
  }
  text.pop_back();
}

std::string SpiritStarText(const SpiritStars& stars, const SpiritStarSlotNames& names,
                           ExplanationSource& explanations) {
  std::string text;
  WriteSpiritStarText(text, stars, names, explanations);
  return text;
}

}  // namespace kirvo
