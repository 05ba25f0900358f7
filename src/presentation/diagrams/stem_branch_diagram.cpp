#include "presentation/diagrams/stem_branch_diagram.h"

#include <cmath>
#include <string>

#include "calendar/sexagenary.h"

namespace kirvo {
namespace {

// The colour of a relation: an element colour 0 … 4 of the settings, or red.
constexpr int kRed = -1;
constexpr Rgb kRedColour = 0xFF0000;
constexpr int kWood = 0, kFire = 1, kEarth = 2, kMetal = 3, kWater = 4;

struct Pair {
  std::string_view first, second;
  int colour;
};
struct Triple {
  std::string_view first, second, third;
  int colour;
};
// One mark between two branches (a dot names one).
struct BranchMark {
  MarkKind kind;
  std::string_view from, to;
};

// clang-format off
// 干合: each pair joins into an element.
constexpr std::array<Pair, 5> kStemCombinations = {{
    {"甲", "己", kEarth}, {"乙", "庚", kMetal}, {"丙", "辛", kWater}, {"丁", "壬", kWood}, {"戊", "癸", kFire}}};
// 干剋: each stem controls the stem four places on.
constexpr std::array<Pair, 10> kStemControls = {{
    {"甲", "戊", kRed}, {"乙", "己", kRed}, {"丙", "庚", kRed}, {"丁", "辛", kRed}, {"戊", "壬", kRed},
    {"己", "癸", kRed}, {"庚", "甲", kRed}, {"辛", "乙", kRed}, {"壬", "丙", kRed}, {"癸", "丁", kRed}}};
// 支合: the six combinations.
constexpr std::array<Pair, 6> kSixCombinations = {{
    {"未", "午", kFire}, {"申", "巳", kWater}, {"酉", "辰", kMetal},
    {"戌", "卯", kFire}, {"亥", "寅", kWood},  {"子", "丑", kEarth}}};
// 冲, 害, 破: arrows both ways.
constexpr std::array<Pair, 6> kClashes = {{
    {"未", "丑", kRed}, {"申", "寅", kRed}, {"酉", "卯", kRed}, {"戌", "辰", kRed}, {"亥", "巳", kRed}, {"子", "午", kRed}}};
constexpr std::array<Pair, 6> kHarms = {{
    {"午", "丑", kRed}, {"未", "子", kRed}, {"申", "亥", kRed}, {"酉", "戌", kRed}, {"寅", "巳", kRed}, {"卯", "辰", kRed}}};
constexpr std::array<Pair, 6> kBreaks = {{
    {"巳", "申", kRed}, {"卯", "午", kRed}, {"酉", "子", kRed}, {"未", "戌", kRed}, {"丑", "辰", kRed}, {"亥", "寅", kRed}}};
// 方合: the branches of one season, a path in this order.
constexpr std::array<Triple, 4> kSeasonalGroups = {{
    {"寅", "卯", "辰", kWood}, {"巳", "午", "未", kFire}, {"申", "酉", "戌", kMetal}, {"亥", "子", "丑", kWater}}};
// 三合: closed triangles, drawn from the third branch of the frame (亥卯未 from 未).
constexpr std::array<Triple, 4> kTripleCombinations = {{
    {"未", "亥", "卯", kWood}, {"午", "戌", "寅", kFire}, {"巳", "酉", "丑", kMetal}, {"辰", "申", "子", kWater}}};
// 刑: 子卯 punish each other; 丑戌未 and 寅巳申 run one way round (the closing side has no head);
// 辰 午 酉 亥 punish themselves.
constexpr std::array<BranchMark, 11> kPunishments = {{
    {MarkKind::kBothWays, "子", "卯"},
    {MarkKind::kArrow, "丑", "戌"}, {MarkKind::kArrow, "戌", "未"}, {MarkKind::kLine, "未", "丑"},
    {MarkKind::kArrow, "寅", "巳"}, {MarkKind::kArrow, "巳", "申"}, {MarkKind::kLine, "申", "寅"},
    {MarkKind::kDot, "辰", "辰"}, {MarkKind::kDot, "午", "午"}, {MarkKind::kDot, "酉", "酉"}, {MarkKind::kDot, "亥", "亥"}}};
// clang-format on

constexpr int kPunishmentInset = 5;  // the punishments sit a little inside the other relations

enum Item { kStemCombination, kStemControl, kSixCombination, kClash, kSeasonal, kTriple, kPunishment, kHarm, kBreak };

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// Where the names of the ring stand, on a circle inside it.
class RingPoints {
 public:
  RingPoints(int centre, int radius) : centre_(centre), radius_(radius) {}
  // A stem or a branch by its name; the branches as the ring shows them, 午 at the top.
  PixelPoint Of(std::string_view name) const {
    if (const std::optional<Stem> stem = StemIndexOf(name)) return PointOnCircle(centre_, centre_, radius_, 36 * *stem);
    const int branch = BranchIndexOf(name).value_or(0);
    return PointOnCircle(centre_, centre_, radius_, 30 * ((branch + 6) % 12));
  }

 private:
  int centre_;
  int radius_;
};

class MarkList {
 public:
  MarkList(const RingPoints& points, const PanelColours& colours, std::vector<DiagramMark>& marks)
      : points_(points), colours_(colours), marks_(marks) {}

  void Add(MarkKind kind, std::string_view from, std::string_view to, int colour) {
    marks_.push_back({kind, points_.Of(from), points_.Of(to), ColourOf(colour)});
  }
  void Dot(std::string_view at, int colour) { Add(MarkKind::kDot, at, at, colour); }

 private:
  Rgb ColourOf(int colour) const { return colour == kRed ? kRedColour : ElementColour(colours_, colour); }

  const RingPoints& points_;
  const PanelColours& colours_;
  std::vector<DiagramMark>& marks_;
};

template <std::size_t N>
void AddPairs(MarkList& marks, const std::array<Pair, N>& pairs, MarkKind kind) {
  for (const Pair& pair : pairs) marks.Add(kind, pair.first, pair.second, pair.colour);
}

}  // namespace

int StemBranchFontPoints(int area_width) { return NameRingFontPoints(area_width, NameRingMode::kOneCharacter); }

CorrelationFigure StemBranchFigure(int item, int area_height, int glyph_height, const PanelColours& colours) {
  CorrelationFigure figure;
  figure.background = ColourOf(colours, PanelColour::kStemBranchDiagramBackground);
  const int c = area_height / 2;
  const int radius = c - RoundHalfEven(1.5 * glyph_height);
  const RingPoints on_ring(c, radius);
  const RingPoints inside_ring(c, radius - kPunishmentInset);
  MarkList marks(item == kPunishment ? inside_ring : on_ring, colours, figure.marks);

  switch (item) {
    case kStemCombination:
      // From both ends of each pair, in the order of the stems: a dot and a line to the partner.
      for (const Pair& pair : kStemCombinations) {
        marks.Dot(pair.first, pair.colour);
        marks.Add(MarkKind::kLine, pair.first, pair.second, pair.colour);
      }
      for (const Pair& pair : kStemCombinations) {
        marks.Dot(pair.second, pair.colour);
        marks.Add(MarkKind::kLine, pair.second, pair.first, pair.colour);
      }
      break;
    case kStemControl:
      AddPairs(marks, kStemControls, MarkKind::kArrow);
      break;
    case kSixCombination:
      for (const Pair& pair : kSixCombinations) {
        marks.Dot(pair.first, pair.colour);
        marks.Add(MarkKind::kLine, pair.first, pair.second, pair.colour);
        marks.Dot(pair.second, pair.colour);
      }
      break;
    case kClash:
      AddPairs(marks, kClashes, MarkKind::kBothWays);
      break;
    case kSeasonal:
      for (const Triple& group : kSeasonalGroups) {
        marks.Add(MarkKind::kLine, group.first, group.second, group.colour);
        marks.Add(MarkKind::kLine, group.second, group.third, group.colour);
        for (const std::string_view branch : {group.first, group.second, group.third}) marks.Dot(branch, group.colour);
      }
      break;
    case kTriple:
      for (const Triple& group : kTripleCombinations) {
        marks.Add(MarkKind::kLine, group.first, group.second, group.colour);
        marks.Add(MarkKind::kLine, group.second, group.third, group.colour);
        marks.Add(MarkKind::kLine, group.third, group.first, group.colour);
        for (const std::string_view branch : {group.first, group.second, group.third}) marks.Dot(branch, group.colour);
      }
      break;
    case kPunishment:
      for (const BranchMark& mark : kPunishments) marks.Add(mark.kind, mark.from, mark.to, kRed);
      break;
    case kHarm:
      AddPairs(marks, kHarms, MarkKind::kBothWays);
      break;
    case kBreak:
      AddPairs(marks, kBreaks, MarkKind::kBothWays);
      break;
    default:
      break;
  }

  std::string names;
  const bool stems = item == kStemCombination || item == kStemControl;
  if (stems) {
    for (const std::string_view stem : kStemNames) names += stem;
  } else {
    for (const std::string_view branch : kBranchNames) names += branch;
  }
  // The names' boxes (a name and the margin round it) stay inside the area with a little air: a
  // ring of radius c would cut the top and bottom names (午/子, 甲/己) and those at the sides.
  constexpr int kAirPx = 4;
  figure.ring = DiagramNameRing{std::move(names), c, c, NameRingMode::kOneCharacter, c - kNameBoxMarginPx - kAirPx};
  return figure;
}

}  // namespace kirvo
