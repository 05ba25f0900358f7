#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "calendar/moment_pillars.h"

namespace kirvo {

// The keys of the rule settings, each the name of its dialog control and its key in section
// "USysF" of USysF.ini.

// A flag: stored "1" or "0"; any non-zero integer reads as set.
struct FlagKey {
  std::string_view key;
  bool default_value;
  std::string_view caption;
};

// clang-format off
inline constexpr std::array<FlagKey, 12> kUSysFlags = {{
    {"KSCB",  false, "干支蔵干の去・化を、一切行わない。"},
    {"KKSCB", false, "行運の干支蔵干で、去・化を行わない。"},
    {"KoCB",  true,  "天干の剋の関係を採用する。"},
    {"NCB",   false, "日主との間では天干の関係を成立させない。"},
    {"TCB",   false, "生年生日と生月生時の間で干支の関係を成立させない。"},
    {"SaCB",  false, "天干・地支合冲局の関係を隣柱３つまでで取る。"},
    {"SigCB", true,  "地支の局・三合・方合の関係を採用する。"},
    {"SiaCB", false, "地支の生年生日,生年-生時,生月-生時の関係を成立させない。"},
    {"YCB0",  false, "日主と同一天干を採用する。"},
    {"RCB",   false, "余中本気で、律が該当するもののみを加算"},
    // Kept in the file and obeyed by the engine, but not offered by the dialog.
    {"SuCB",  false, "地支の数値を、その地支の季節の五行で算出する"},
    {"JyCB",  false, "天干数値に、2(月令と同じ五行の時3)の地支数値分累乗したものを乗算して合計値とする"},
}};
// clang-format on

// A choice: stored as the zero-based index of the chosen item.
struct ChoiceKey {
  std::string_view key;
  int default_index;
  std::string_view caption;
  std::array<std::string_view, 4> items;  // unused places empty

  constexpr int ItemCount() const {
    int count = 0;
    while (count < static_cast<int>(items.size()) && !items[count].empty()) ++count;
    return count;
  }
};

// The items of each choice, in the order of its list. `DRG` and `ZRG0`..`ZRG3` are the calendar's
// DayBoundary and DepthMode (ChoiceItems below ties each key to its items).
enum class TransformationRule { kBySeason, kByMonthCommand, kByMonthBranch };              // KaRG
enum class LuckDirectionRule { kByYearStem, kAlwaysForward, kAlwaysReverse, kByDayStem };  // DaiRG
enum class StartOfLuckUnit { kMonths, kYears };                                            // DuRG
enum class RootRule { kInHiddenStems, kInBranches };                                       // TRG
enum class UsefulGodMethod { kLargestStem, kLargestElement };                              // YRG0
enum class RunningLuckDepth { kPrincipalOnly, kLikeNatal };                                // ZRG4
enum class MajorLuckDepthRule { kPrincipalOnly, kNatalMonth, kWithinDecade };              // ZRG5
enum class ForwardBackwardValue { kStrength, kTotal };                                     // RRG
enum class BalanceMethod { kByForwardBackward, kByDeviation };                             // KiRG

// clang-format off
inline constexpr std::array<ChoiceKey, 14> kUSysChoices = {{
    {"KaRG",  0, "天干化の取り方", {"季節で取る", "生助で取る", "地支助で取る"}},
    {"DaiRG", 0, "順行運・逆行運の算出", {"年干による", "順運固定", "逆運固定", "日干による"}},
    {"DRG",   1, "日の境界", {"午後11時", "午前 0時"}},
    {"DuRG",  0, "立運の算出", {"月単位", "年単位"}},
    {"TRG",   0, "通根の取り方", {"蔵干で取る", "地支で取る"}},
    // In the group "用神算出の設定".
    {"YRG0",  0, "採用方法", {"数値が最大となる天干を採用", "数値が最大となる五行の天干を、命式柱から順に採用"}},
    {"ZRG0",  1, "年柱の蔵干", {"本気", "日の深浅", "月の深浅"}},
    {"ZRG1",  1, "月柱の蔵干", {"本気", "日の深浅"}},
    {"ZRG2",  1, "日柱の蔵干", {"本気", "日の深浅", "時の深浅"}},
    {"ZRG3",  1, "時柱の蔵干", {"本気", "日の深浅", "刻の深浅"}},
    {"ZRG4",  0, "行運柱の蔵干", {"本気", "命式柱と同様"}},
    {"ZRG5",  0, "大運柱の蔵干", {"本気", "日の深浅", "年の深浅"}},
    {"RRG",   0, "順数値・逆数値の値", {"力量値（合計×係数）を採用", "構成値（合計）を採用"}},
    // No caption of its own: the group "内外格の判定基準".
    {"KiRG",  0, "", {"順数値・逆数値で算出する。", "標準偏差で算出する。"}},
}};
// clang-format on

// A number or file name, kept as the text typed.
struct NumberKey {
  std::string_view key;
  std::string_view default_text;
};

// `NGE` balance threshold in percent (1..99), `AVE` and `StdE` the percentages of the
// standard-deviation balance method, `ZFileE` the hidden-stem distribution file.
inline constexpr std::array<NumberKey, 4> kUSysNumbers = {{
    {"NGE", "25"},
    {"AVE", "50"},
    {"StdE", "25"},
    {"ZFileE", "Default.zou"},
}};

// A table of text cells, stored one key per row: key + "-Row" + row number.
struct TableKey {
  std::string_view key;
  std::size_t columns;
  std::size_t rows;
};

// clang-format off
inline constexpr std::array<TableKey, 9> kUSysTables = {{
    {"ZSG",  9, 13},  // hidden-stem distribution
    {"SSG",  10, 10}, // base numbers of the five-element count
    {"SSG2", 10, 1},  // month-command adjustment
    {"MSG",  7, 1},   // strength thresholds
    {"HSG",  10, 6},  // ten-god graph weights
    {"SiSG", 5, 40},  // spirit stars shown per pillar
    {"SKSG", 11, 19}, // spirit stars by stem
    {"SSSG", 13, 21}, // spirit stars by branch
    {"TSG",  13, 11}, // climate useful gods
}};
// clang-format on

// Position of a key in its table (exact spelling), or nothing.
template <class Row, std::size_t N>
constexpr std::optional<std::size_t> IndexOfKey(const std::array<Row, N>& keys, std::string_view key) {
  for (std::size_t i = 0; i < N; ++i) {
    if (keys[i].key == key) return i;
  }
  return std::nullopt;
}

// The row of a key, at compile time: a key missing from its table does not compile.
template <class Row, std::size_t N>
consteval int RowOfKey(const std::array<Row, N>& keys, std::string_view key) {
  const std::optional<std::size_t> index = IndexOfKey(keys, key);
  if (!index) throw "not a key of this table";
  return static_cast<int>(*index);
}

// The typed handles of the keys: each enumerator is its key's row in the table above, so the
// handles cannot drift from the table and a misspelt key does not compile.
// clang-format off
enum class USysFlag {
  KSCB  = RowOfKey(kUSysFlags, "KSCB"),
  KKSCB = RowOfKey(kUSysFlags, "KKSCB"),
  KoCB  = RowOfKey(kUSysFlags, "KoCB"),
  NCB   = RowOfKey(kUSysFlags, "NCB"),
  TCB   = RowOfKey(kUSysFlags, "TCB"),
  SaCB  = RowOfKey(kUSysFlags, "SaCB"),
  SigCB = RowOfKey(kUSysFlags, "SigCB"),
  SiaCB = RowOfKey(kUSysFlags, "SiaCB"),
  YCB0  = RowOfKey(kUSysFlags, "YCB0"),
  RCB   = RowOfKey(kUSysFlags, "RCB"),
  SuCB  = RowOfKey(kUSysFlags, "SuCB"),
  JyCB  = RowOfKey(kUSysFlags, "JyCB"),
};
enum class USysChoice {
  KaRG  = RowOfKey(kUSysChoices, "KaRG"),
  DaiRG = RowOfKey(kUSysChoices, "DaiRG"),
  DRG   = RowOfKey(kUSysChoices, "DRG"),
  DuRG  = RowOfKey(kUSysChoices, "DuRG"),
  TRG   = RowOfKey(kUSysChoices, "TRG"),
  YRG0  = RowOfKey(kUSysChoices, "YRG0"),
  ZRG0  = RowOfKey(kUSysChoices, "ZRG0"),
  ZRG1  = RowOfKey(kUSysChoices, "ZRG1"),
  ZRG2  = RowOfKey(kUSysChoices, "ZRG2"),
  ZRG3  = RowOfKey(kUSysChoices, "ZRG3"),
  ZRG4  = RowOfKey(kUSysChoices, "ZRG4"),
  ZRG5  = RowOfKey(kUSysChoices, "ZRG5"),
  RRG   = RowOfKey(kUSysChoices, "RRG"),
  KiRG  = RowOfKey(kUSysChoices, "KiRG"),
};
enum class USysNumber {
  NGE    = RowOfKey(kUSysNumbers, "NGE"),
  AVE    = RowOfKey(kUSysNumbers, "AVE"),
  StdE   = RowOfKey(kUSysNumbers, "StdE"),
  ZFileE = RowOfKey(kUSysNumbers, "ZFileE"),
};
enum class USysTable {
  ZSG  = RowOfKey(kUSysTables, "ZSG"),
  SSG  = RowOfKey(kUSysTables, "SSG"),
  SSG2 = RowOfKey(kUSysTables, "SSG2"),
  MSG  = RowOfKey(kUSysTables, "MSG"),
  HSG  = RowOfKey(kUSysTables, "HSG"),
  SiSG = RowOfKey(kUSysTables, "SiSG"),
  SKSG = RowOfKey(kUSysTables, "SKSG"),
  SSSG = RowOfKey(kUSysTables, "SSSG"),
  TSG  = RowOfKey(kUSysTables, "TSG"),
};
// clang-format on

// Every table row has its handle (the last handle is the last row).
static_assert(static_cast<std::size_t>(USysFlag::JyCB) + 1 == kUSysFlags.size());
static_assert(static_cast<std::size_t>(USysChoice::KiRG) + 1 == kUSysChoices.size());
static_assert(static_cast<std::size_t>(USysNumber::ZFileE) + 1 == kUSysNumbers.size());
static_assert(static_cast<std::size_t>(USysTable::TSG) + 1 == kUSysTables.size());

// The item enum of each choice, and how many items it has (checked against the item list).
template <USysChoice key>
struct ChoiceItems;
template <class Items, int count>
struct ChoiceItemList {
  using Type = Items;
  static constexpr int kCount = count;
};
// clang-format off
template <> struct ChoiceItems<USysChoice::KaRG>  : ChoiceItemList<TransformationRule, 3> {};
template <> struct ChoiceItems<USysChoice::DaiRG> : ChoiceItemList<LuckDirectionRule, 4> {};
template <> struct ChoiceItems<USysChoice::DRG>   : ChoiceItemList<DayBoundary, 2> {};
template <> struct ChoiceItems<USysChoice::DuRG>  : ChoiceItemList<StartOfLuckUnit, 2> {};
template <> struct ChoiceItems<USysChoice::TRG>   : ChoiceItemList<RootRule, 2> {};
template <> struct ChoiceItems<USysChoice::YRG0>  : ChoiceItemList<UsefulGodMethod, 2> {};
template <> struct ChoiceItems<USysChoice::ZRG0>  : ChoiceItemList<DepthMode, 3> {};
template <> struct ChoiceItems<USysChoice::ZRG1>  : ChoiceItemList<DepthMode, 2> {};
template <> struct ChoiceItems<USysChoice::ZRG2>  : ChoiceItemList<DepthMode, 3> {};
template <> struct ChoiceItems<USysChoice::ZRG3>  : ChoiceItemList<DepthMode, 3> {};
template <> struct ChoiceItems<USysChoice::ZRG4>  : ChoiceItemList<RunningLuckDepth, 2> {};
template <> struct ChoiceItems<USysChoice::ZRG5>  : ChoiceItemList<MajorLuckDepthRule, 3> {};
template <> struct ChoiceItems<USysChoice::RRG>   : ChoiceItemList<ForwardBackwardValue, 2> {};
template <> struct ChoiceItems<USysChoice::KiRG>  : ChoiceItemList<BalanceMethod, 2> {};
// clang-format on

template <USysChoice key>
using ChoiceItem = typename ChoiceItems<key>::Type;

// Every choice has its items, as many as its list.
template <std::size_t... row>
consteval bool ItemCountsAgree(std::index_sequence<row...>) {
  return ((kUSysChoices[row].ItemCount() == ChoiceItems<static_cast<USysChoice>(row)>::kCount) && ...);
}
static_assert(ItemCountsAgree(std::make_index_sequence<kUSysChoices.size()>()));

}  // namespace kirvo
