#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "calendar/sexagenary.h"
#include "engine/decimal_text.h"
#include "engine/element_numbers.h"
#include "engine/special_pillars.h"
#include "engine/void_branches.h"
#include "presentation/panel/chart_content.h"

namespace kirvo {
namespace {

// 内容表: labels of columns 0, 2 and 4 by row; values go into columns 1, 3 and 5.
struct ContentLabels {
  std::string_view number;  // column 0
  std::string_view middle;  // column 2
  std::string_view right;   // column 4
};
// clang-format off
constexpr std::array<ContentLabels, kContentTableRows> kContentLabels = {{
    {"順数値", "弱めたい",   "日主"},
    {"逆数値", "忌神",       "用神"},
    {"順－逆", "強めたい",   "調候"},
    {"均衡度", "喜神",       "身"},
    {"吉度数", "空亡",       "内外格"},
    {"",       "破宅神",     "宅神"},
    {"",       "墓神",       "墓石"},
    {"",       "日干支併臨", "天地徳合"},
    {"",       "月干支併臨", ""},
}};
// clang-format on

// Content-table cells by (column, row).
struct At {
  std::size_t column;
  std::size_t row;
};
constexpr At kInnerOuterLabel = {4, 4}, kInnerOuterValue = {5, 4};
constexpr At kDayMaster = {5, 0}, kUsefulGod = {5, 1};
constexpr std::size_t kBalanceRow = 3;  // 均衡度 in column 1
// The four special pillars of the day pillar, in the order FourSpecialPillarsOf gives them.
constexpr std::array<At, 4> kSpecialPillarCells = {
    {{5, 5} /*宅神*/, {3, 5} /*破宅神*/, {5, 6} /*墓石*/, {3, 6} /*墓神*/}};
constexpr At kHeavenEarthCombination = {5, 7};  // 天地徳合
constexpr At kDayPillarRepeated = {3, 7};       // 日干支併臨
constexpr At kMonthPillarRepeated = {3, 8};     // 月干支併臨

constexpr std::array<std::string_view, kElementTableColumns> kElementHeaders = {
    "", "気", "五", "力量", "構成", "計", "干", "支", "蔵", "令", "通", "係数"};
// Column 0 holds the relation number the rows are sorted by and is never shown; 力量 is the
// widest number, 構成 and 係数 the next.
constexpr std::array<int, kElementTableColumns> kElementColumnWidths = {0, 22, 22, 40, 35, 22, 22, 22, 22, 22, 22, 35};

constexpr std::array<std::string_view, kStemNumberRows> kStemNumberLabels = {"", "計", "力量"};

void Set(TextTable& table, At at, std::string_view text) { table.SetCell(at.column, at.row, text); }

// Numbers are written into their cells: every table is refilled for every chart.
void SetDecimal(TextTable& table, std::size_t column, std::size_t row, double value, int decimals) {
  table.WriteCell(column, row, [&](std::string& cell) { AssignDecimalText(cell, value, decimals); });
}

void SetInteger(TextTable& table, std::size_t column, std::size_t row, long long value) {
  char digits[24];
  table.SetCell(column, row, std::string_view(digits, std::to_chars(digits, digits + sizeof digits, value).ptr));
}

std::string PillarText(const ChartBoard& board, BoardColumn column) {
  return board(column, board::kStem).Text + board(column, board::kBranch).Text;
}

// The rows 5..7 of columns 3 and 5 that the day pillar decides: the four special pillars
// (marker, a blank, stem and branch) and 天地徳合, the stem combining with the day stem (干合)
// and the branch combining with the day branch (支合). Empty without a day pillar.
void FillDayPillarPartners(TextTable& snb, const ChartBoard& board) {
  const std::string& stem_text = board(board::kDay, board::kStem).Text;
  const std::string& branch_text = board(board::kDay, board::kBranch).Text;
  const std::optional<Stem> stem = StemIndexOf(stem_text);
  const std::optional<Branch> branch = BranchIndexOf(branch_text);
  if (!stem || !branch) {
    for (const At at : kSpecialPillarCells) Set(snb, at, "");
    Set(snb, kHeavenEarthCombination, "");
    return;
  }
  const std::array<SpecialPillar, 4> special = FourSpecialPillarsOf(*stem, *branch);
  for (std::size_t i = 0; i < special.size(); ++i) {
    Set(snb, kSpecialPillarCells[i], std::string(special[i].mark) + " " + special[i].pillar.Text());
  }
  const Stem partner_stem = (*stem + 5) % 10;
  const Branch partner_branch = (13 - *branch) % 12;
  Set(snb, kHeavenEarthCombination,
      "◇ " + std::string(kStemNames[partner_stem]) + std::string(kBranchNames[partner_branch]));
}

}  // namespace

ContentGrid NewContentTable() {
  ContentGrid snb(kContentTableColumns, kContentTableRows);
  for (std::size_t row = 0; row < kContentTableRows; ++row) {
    snb.text.SetCell(0, row, kContentLabels[row].number);
    snb.text.SetCell(2, row, kContentLabels[row].middle);
    snb.text.SetCell(4, row, kContentLabels[row].right);
  }
  snb.selectable = false;
  return snb;
}

ContentGrid NewElementTable() {
  ContentGrid sg2(kElementTableColumns, kElementTableRows);
  for (std::size_t column = 0; column < kElementTableColumns; ++column)
    sg2.text.SetCell(column, 0, kElementHeaders[column]);
  sg2.column_widths.assign(kElementColumnWidths.begin(), kElementColumnWidths.end());
  sg2.selectable = false;
  return sg2;
}

ContentGrid NewStemNumberTable() {
  ContentGrid kan(kStemNumberColumns, kStemNumberRows);
  for (std::size_t row = 0; row < kStemNumberRows; ++row) kan.text.SetCell(0, row, kStemNumberLabels[row]);
  for (Stem stem = 0; stem < 10; ++stem) kan.text.SetCell(static_cast<std::size_t>(stem) + 1, 0, kStemNames[stem]);
  return kan;
}

void FillContentTable(TextTable& snb, const ElementAnalysis& analysis, const ChartBoard& board) {
  const Judgement& judgement = analysis.judgement;
  const UsefulGods& gods = analysis.gods;
  const std::array<double, 5> numbers = {judgement.forward, judgement.backward, judgement.difference, judgement.balance,
                                         judgement.favour};
  for (std::size_t row = 0; row < numbers.size(); ++row) SetDecimal(snb, 1, row, numbers[row], 2);
  if (judgement.balance_decimals != kNotADecimal) {
    snb.SetCell(1, kBalanceRow, DecimalText(judgement.balance, 2, judgement.balance_decimals));
  }

  const std::array<const std::string*, 4> elements = {&gods.elements.to_weaken, &gods.elements.unfavourable,
                                                      &gods.elements.to_strengthen, &gods.elements.favourable};
  for (std::size_t row = 0; row < elements.size(); ++row) snb.SetCell(3, row, *elements[row]);
  snb.SetCell(3, 4, VoidBranchesOf(board(board::kDay, board::kStem).Text, board(board::kDay, board::kBranch).Text));

  Set(snb, kDayMaster, board(board::kDay, board::kWorkStem).Text);
  Set(snb, kUsefulGod, gods.useful_god);
  snb.SetCell(5, 2, gods.climate_god);
  const bool strength_known = judgement.strength >= 0 && judgement.strength < 4;
  snb.SetCell(5, 3, strength_known ? kStrengthClassNames[judgement.strength] : std::string_view());
  const bool class_known = judgement.balance_class == kInnerPattern || judgement.balance_class == kOuterPattern;
  Set(snb, kInnerOuterLabel, kContentLabels[kInnerOuterLabel.row].right);
  Set(snb, kInnerOuterValue, class_known ? kBalanceClassNames[judgement.balance_class] : std::string_view());

  FillDayPillarPartners(snb, board);
  Set(snb, kDayPillarRepeated, "◆ " + PillarText(board, board::kDay));
  Set(snb, kMonthPillarRepeated, "▲ " + PillarText(board, board::kMonth));
}

void FillElementTable(TextTable& sg2, const ElementNumberTable& table) {
  // The table arrives sorted by relation (row 1 主 … row 5 生); the day master's element decides
  // which element stands in each row.
  for (std::size_t n = 0; n < table.rows.size(); ++n) {
    const ElementNumberRow& row = table.rows[n];
    const std::size_t r = n + 1;
    SetInteger(sg2, 0, r, row.relation);
    sg2.SetCell(1, r, row.relation_name);
    sg2.SetCell(2, r, kElementNames[row.element]);
    SetDecimal(sg2, 3, r, row.strength, 2);
    if (row.total == 0) {
      sg2.SetCell(4, r, "0.0");
    } else {
      SetDecimal(sg2, 4, r, row.share, 1);
    }
    SetInteger(sg2, 5, r, row.total);
    const std::array<int, 5> parts = {row.stems, row.branches, row.hidden_stems, row.month_command, row.roots};
    for (std::size_t k = 0; k < parts.size(); ++k) SetInteger(sg2, 6 + k, r, parts[k]);
    SetDecimal(sg2, 11, r, row.coefficient, 2);
  }
}

void FillStemNumberTable(TextTable& kan, const StemNumbers& stems) {
  for (std::size_t stem = 0; stem < stems.totals.size(); ++stem) {
    SetInteger(kan, stem + 1, 1, stems.totals[stem]);
    SetDecimal(kan, stem + 1, 2, stems.weighted[stem], kStemValueDecimals);
  }
}

PatternInputs PatternInputsOfContentTable(const TextTable& snb) {
  return {snb.Cell(kDayMaster.column, kDayMaster.row), snb.Cell(kUsefulGod.column, kUsefulGod.row),
          snb.Cell(kInnerOuterValue.column, kInnerOuterValue.row)};
}

void ApplyContentBranding(TextTable& snb, const ContentBranding& branding) {
  if (!branding.hide_inner_outer) return;
  Set(snb, kInnerOuterLabel, "");
  Set(snb, kInnerOuterValue, "");
}

}  // namespace kirvo
