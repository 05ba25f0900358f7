#include "engine/patterns.h"

#include <string_view>

#include "calendar/sexagenary.h"
#include "engine/element_analysis.h"
#include "engine/natal_pillars.h"
#include "engine/special_patterns.h"
#include "engine/ten_gods.h"
#include "platform/shift_jis.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr int kTwoStemsBytes = 4;                        // Shift-JIS bytes of two stem names
inline constexpr TenGod kSevenKilling = 6, kDirectOfficer = 7;  // 偏官, 正官

constexpr std::array<BoardColumn, 4> kNatalColumns = {board::kYear, board::kMonth, board::kDay, board::kHour};

bool IsTwoStems(std::string_view text) {
  constexpr std::size_t kNameBytes = 3;  // one stem name in UTF-8
  return text.size() == 2 * kNameBytes && StemIndexOf(text.substr(0, kNameBytes)).has_value() &&
         StemIndexOf(text.substr(kNameBytes)).has_value();
}

// 内格: the ten god of the useful god, seen from the day master. 外格: the following pattern of
// the useful god's element relation to the day master (same, generated, overcome, overcoming,
// generating).
std::optional<int> MainPattern(Stem day_master, Stem useful_god, std::string_view balance_class) {
  if (day_master == kNoStem || useful_god == kNoStem) return std::nullopt;
  if (balance_class == kBalanceClassNames[kInnerPattern]) {
    return pattern::kFirstTenGod + TenGodOf(day_master, useful_god);
  }
  if (balance_class == kBalanceClassNames[kOuterPattern]) {
    return pattern::kFirstFollowing + ElementRelationOf(ElementOfStem(day_master), ElementOfStem(useful_god));
  }
  return std::nullopt;
}

// The hidden clash and combination also require that neither officer name (偏官, 正官, as the chart
// shows them) occurs in the natal cells of row 9 (逢12運).
bool NoOfficerInMeetingStageRow(const ChartBoard& board, const TenGodNames& names) {
  std::string texts;
  for (BoardColumn column : kNatalColumns) texts += board(column, board::kStageOfDayMaster).Text;
  for (TenGod officer : {kSevenKilling, kDirectOfficer}) {
    const std::string& name = names[officer];
    if (!name.empty() && texts.find(name) != std::string::npos) return false;
  }
  return true;
}

void Flag(PatternFlags& flags, std::optional<int> pattern) {
  if (pattern) flags[*pattern] = true;
}

}  // namespace

PatternInputs PatternInputsOf(const ElementAnalysis& analysis) {
  const BalanceClass balance_class = analysis.judgement.balance_class;
  const bool known = balance_class == kInnerPattern || balance_class == kOuterPattern;
  return {analysis.gods.day_master, analysis.gods.useful_god,
          known ? std::string(kBalanceClassNames[balance_class]) : std::string()};
}

PatternResult PatternStep(const ChartBoard& board, const PatternInputs& inputs, bool hour_known, const TMeiData& record,
                          const ChartRules& rules) {
  PatternResult result;
  const Stem useful_god = StemIndexOf(inputs.useful_god).value_or(kNoStem);
  if (useful_god == kNoStem && ShiftJisWidth(inputs.useful_god) < kTwoStemsBytes) return result;

  const NatalPillars natal = NatalPillarsOf(board, hour_known);
  PatternFlags& flags = result.flags;
  Flag(flags, MainPattern(StemIndexOf(inputs.day_master).value_or(kNoStem), useful_god, inputs.balance_class));
  Flag(flags, TransformationPattern(natal));
  if (IsTwoStems(inputs.useful_god)) flags[pattern::kBothOfOneElement] = true;
  Flag(flags, OneElementPattern(natal));
  if (IsTwoElementPattern(natal)) flags[pattern::kTwoElements] = true;
  if (NoOfficerInMeetingStageRow(board, rules.sys.names.ten_gods)) {
    if (IsHiddenClashPattern(natal)) flags[pattern::kHiddenClash] = true;
    if (IsHiddenCombinationPattern(natal)) flags[pattern::kHiddenCombination] = true;
  }

  for (int index = 0; index < kPatternCount; ++index) {
    if (flags[index]) result.names.push_back(rules.sys.names.patterns[index]);
  }
  result.spirit_stars = SpiritStarStep(natal, DayNightOf(record.SunLongitude), rules.read.spirit_stars);
  return result;
}

}  // namespace kirvo
