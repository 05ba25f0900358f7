#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/name_file.h"
#include "engine/chart_record.h"
#include "platform/interaction.h"
#include "platform/outcome.h"

namespace kirvo {

// Column headers of the person list `NSG` (a trailing blank belongs to its header). Columns 37..46
// have none and are never shown.
extern const std::array<std::string_view, kPersonCellCount> kPersonListHeaders;

// Columns of the list by name: the entered cells (name_file.h), then the chart summary.
namespace person_column {
// clang-format off
inline constexpr std::size_t
    kAge = 4,                     // 年齢, only below 13 months
    kStartOfLuck = 5,             // 立運
    kLuckDirection = 6,           // 行
    kDayStem = 7,                 // 日
    kCommandingStem = 8,          // 令
    kSeason = 9,                  // 季節
    kFortune = 10,                // 吉度
    kStrength = 11,               // 身
    kBalanceClass = 12,           // 格 (内格, 外格)
    kBalance = 13,                // 均衡
    kDayMaster = 14,              // 主
    kUsefulGod = 15,              // 用
    kClimate = 16,                // 調候
    kToWeaken = 17,               // 弱めたい
    kAdverseGods = 18,            // 忌神
    kToStrengthen = 19,           // 強めたい
    kFavourableGods = 20,         // 喜神
    kStems = 21,                  // 天干
    kBranches = 22,               // 地支
    kHeavenStars = 23,            // 天：時－月年
    kEarthStars = 24,             // 地：時日月年
    kStagesOfDayMaster = 25,      // 逢：時日月年
    kStagesOfStems = 26,          // 居：時－月年
    kRunningHeavenStars = 27,     // 行天：時日月年大
    kRunningEarthStars = 28,      // 行地：時日月年大
    kRunningStagesOfDayMaster = 29,  // 行逢：時日月年大
    kRunningStagesOfStems = 30,   // 行居：時日月年大
    kPatterns = 31,               // 格局
    kHourSpiritStars = 32, kDaySpiritStars = 33, kMonthSpiritStars = 34, kYearSpiritStars = 35,
    kVoidBranches = 36;           // 空亡
// clang-format on
inline constexpr std::size_t kFirstComputed = kAge, kLastComputed = kVoidBranches;
}  // namespace person_column

inline constexpr std::string_view kReplacePersonQuestion = "既に同じ名前で登録されています。置き換えますか？";

// The person a row's entered cells stand for; nothing when its date and time make no birth.
std::optional<BirthInput> PersonOfRow(const PersonRow& row);

enum class SearchMode { kExact, kPartial };  // 完全検索, 部分検索

// The person list `PersonList`: rows of 47 cells in list order, never fewer than one row (an empty
// list is one blank row), and the modified flag that decides the save questions. Registration,
// deletion and moves set the flag; loading and 新規作成 start a list without it; sorting and the
// chart summary leave it.
class PersonList {
 public:
  PersonList();
  // The rows read from a name file; no rows give the empty list. Not modified.
  explicit PersonList(std::vector<PersonRow> rows);

  const std::vector<PersonRow>& rows() const { return rows_; }
  std::vector<PersonRow>& rows() { return rows_; }
  std::size_t size() const { return rows_.size(); }
  const PersonRow& row(std::size_t index) const { return rows_[index]; }
  // Whether the list holds only the blank row of an empty list.
  bool IsEmpty() const;

  bool modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // Registration before a chart window opens for `person`, whose cells are its name, SexName,
  // "YYYY/MM/DD" and "hh:nn" or "99:99". A row equal in all four input cells ends the visit with
  // nothing changed. A row of the same name that differs elsewhere asks
  // "replace?": No declines (false, nothing changes); Yes makes it the row to overwrite and the
  // visit goes on. Then the row chosen is overwritten in cells 0..3, or the person is appended (into
  // the blank row of an empty list). A name holding a half-width "," or "&" is refused with its
  // message. True: the window may open.
  bool Register(const BirthInput& person, Interaction& interaction);

  // 行削除: the row goes and the rows below move up; the last row leaves the empty list.
  void DeleteRow(std::size_t index);
  // A row dragged from `from` to `to` (both row indices).
  void MoveRow(std::size_t from, std::size_t to);

  // Sorting by a column: the column's cells as keys, in numeric form (SortKeyOf) when every key is
  // a number or the first or last key holds "/" after its first character; ascending, compared as
  // text without regard to ASCII case; descending is that order reversed. Not a modification.
  void Sort(std::size_t column, bool descending);

  // The first row from `first_row` whose cell in `column` holds `text` (kPartial), or equals it
  // (kExact, ASCII letters without regard to case when `ignore_case`). Every row up to the last is
  // searched.
  std::optional<std::size_t> Find(std::size_t column, std::string_view text, SearchMode mode, std::size_t first_row,
                                  bool ignore_case) const;

  // "総数：" + number of rows + "件".
  std::string CountText() const;

  // Cells 4..46 of every row emptied.
  void ClearComputed();

 private:
  std::vector<PersonRow> rows_;
  bool modified_ = false;
};

// The sort key of a cell in numeric mode: left-padded with "0" to at least 6 characters, then every
// blank and "/" turned into "0" ("9/ 3" gives "009003").
std::string NumericSortKey(std::string_view cell);
// Whether the keys sort in numeric mode.
bool SortsNumerically(const std::vector<std::string_view>& keys);

// 検索 and 次: the search position is the row found last, the first row after a miss.
class PersonSearch {
 public:
  // 検索: from the first row; 完全検索 without regard to case.
  std::optional<std::size_t> First(const PersonList& list, std::size_t column, std::string_view text, SearchMode mode);
  // 次: from the row after the position; 完全検索 with regard to case.
  std::optional<std::size_t> Next(const PersonList& list, std::size_t column, std::string_view text, SearchMode mode);
  std::size_t position() const { return position_; }

 private:
  std::optional<std::size_t> Found(std::optional<std::size_t> row);
  std::size_t position_ = 0;
};

// The whole table for the CSV export: the header row, then every row, all 47 columns.
std::vector<std::vector<std::string>> PersonListTable(const PersonList& list);

// "[" + text + "]は見つかりません。"
std::string SearchMissText(std::string_view text);

}  // namespace kirvo
