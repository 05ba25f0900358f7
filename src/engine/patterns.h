#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/spirit_stars.h"

namespace kirvo {

struct ElementAnalysis;

// Pattern (格局) indices 0..29, the order of the system settings' pattern names; 0 is never set.
inline constexpr int kPatternCount = 30;
namespace pattern {
inline constexpr int kFirstTenGod = 1;      // + ten-god index: 比肩格 .. 印綬格 (inner patterns)
inline constexpr int kFirstFollowing = 11;  // + element relation: 従旺 従児 従財 従官 従強 (outer patterns)
inline constexpr int kFirstTransformation = 16;  // + element: 化木格 .. 化水格
inline constexpr int kStraight = 21;             // 曲直格 (木)
inline constexpr int kBlazing = 22;              // 炎上格 (火)
inline constexpr int kReforming = 23;            // 従革格 (金)
inline constexpr int kSoaking = 24;              // 潤下格 (水)
inline constexpr int kFarming = 25;              // 稼穡格 (土)
inline constexpr int kTwoElements = 26;          // 両神成象格
inline constexpr int kHiddenClash = 27;          // 暗衝格
inline constexpr int kHiddenCombination = 28;    // 暗合格
inline constexpr int kBothOfOneElement = 29;     // 正偏交集格: the useful god is both stems of one element
}  // namespace pattern

using PatternFlags = std::array<bool, kPatternCount>;

// The judgement texts the pattern is read from, as the content table shows them: 日主 (the working
// day stem), 用神 (one stem name, two stem names, "Error" or empty) and 内外格 ("内格" or "外格").
struct PatternInputs {
  std::string day_master;
  std::string useful_god;
  std::string balance_class;
};

// The judgement texts of a five-element analysis.
PatternInputs PatternInputsOf(const ElementAnalysis& analysis);

// What the pattern step found.
struct PatternResult {
  PatternFlags flags{};
  std::vector<std::string> names;  // the names of the flagged patterns, in index order
  // The spirit stars computed at the end of the step; nothing when the step stopped early because
  // the useful god is no stem and shorter than two stems (an empty text), in which case they were
  // not computed.
  std::optional<SpiritStars> spirit_stars;
};

// The pattern step: the main pattern from the useful god and the inner/outer judgement, the special
// patterns from the natal pillars (rows 1 and 2 of columns 9..6; the hour only when it is known),
// then the spirit stars with the half of the year of `record.SunLongitude`. Names come from the
// system settings' pattern names.
PatternResult PatternStep(const ChartBoard& board, const PatternInputs& inputs, bool hour_known, const TMeiData& record,
                          const ChartRules& rules);

}  // namespace kirvo
