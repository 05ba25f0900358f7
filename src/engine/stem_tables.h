#pragma once

#include <array>

#include "calendar/sexagenary.h"

namespace kirvo {

// The fixed tables of the heavenly-stem relations. Stem indices 0..9 are 甲..癸, elements 0..4
// 木火土金水.

// 干合: the five stem combinations and the element each pair transforms into.
struct StemCombinationRow {
  Stem first;
  Stem second;
  Element element;
};
inline constexpr std::array<StemCombinationRow, 5> kStemCombinations = {{
    // first  second  element
    {0, 5, 2},  // 甲己 土
    {1, 6, 3},  // 乙庚 金
    {2, 7, 4},  // 丙辛 水
    {3, 8, 0},  // 丁壬 木
    {4, 9, 1},  // 戊癸 火
}};

// The combination partner of a stem, five stems on.
constexpr Stem CombinationPartnerOf(Stem stem) {
  for (const StemCombinationRow& row : kStemCombinations) {
    if (row.first == stem) return row.second;
    if (row.second == stem) return row.first;
  }
  return kNoStem;
}

// The element a combination involving `stem` transforms into.
constexpr Element CombinationElementOf(Stem stem) {
  for (const StemCombinationRow& row : kStemCombinations) {
    if (row.first == stem || row.second == stem) return row.element;
  }
  return kNoElement;
}

// 化: the stem a transformed stem becomes; each keeps its polarity.
inline constexpr std::array<Stem, 10> kTransformedStems = {
    // 甲 乙 丙 丁 戊 己 庚 辛 壬 癸
       4, 7, 8, 1, 2, 5, 6, 9, 0, 3};  // 戊 辛 壬 乙 丙 己 庚 癸 甲 丁

constexpr Stem TransformedStemOf(Stem stem) { return stem >= 0 && stem < 10 ? kTransformedStems[stem] : kNoStem; }

// 剋: the stem each stem overcomes (its element overcomes the other's, same polarity).
struct StemOvercomingRow {
  Stem overcomer;
  Stem overcome;
};
inline constexpr std::array<StemOvercomingRow, 10> kStemOvercoming = {{
    {0, 4},  // 甲→戊
    {1, 5},  // 乙→己
    {2, 6},  // 丙→庚
    {3, 7},  // 丁→辛
    {4, 8},  // 戊→壬
    {5, 9},  // 己→癸
    {6, 0},  // 庚→甲
    {7, 1},  // 辛→乙
    {8, 2},  // 壬→丙
    {9, 3},  // 癸→丁
}};

constexpr bool Overcomes(Stem overcomer, Stem overcome) {
  for (const StemOvercomingRow& row : kStemOvercoming) {
    if (row.overcomer == overcomer && row.overcome == overcome) return true;
  }
  return false;
}

// The element of the birth season by `SeasonIndex`: 0 春 木, 1 夏 火, 2 秋 金, 3 冬 水, 4 土用 土.
inline constexpr std::array<Element, 5> kSeasonElements = {
    // 春 夏 秋 冬 土用
       0, 1, 3, 4, 2};

constexpr Element SeasonElementOf(int season_index) {
  return season_index >= 0 && season_index < 5 ? kSeasonElements[season_index] : kNoElement;
}

// The tables agree with the cycle rules they are written from: a stem combines with the stem five
// on, the pair transforms into element (lower stem index + 2) mod 5, a stem overcomes the stem
// four on, and a transformed stem keeps its polarity.
constexpr bool TablesFollowTheCycle() {
  for (Stem s = 0; s < 10; ++s) {
    const Stem partner = CombinationPartnerOf(s);
    if (partner != (s + 5) % 10) return false;
    if (CombinationElementOf(s) != ((s < partner ? s : partner) + 2) % 5) return false;
    if (!Overcomes(s, (s + 4) % 10)) return false;
    if (IsYang(TransformedStemOf(s)) != IsYang(s)) return false;
  }
  return true;
}
static_assert(TablesFollowTheCycle());

}  // namespace kirvo
