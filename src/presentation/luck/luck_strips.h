#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_time.h"
#include "presentation/luck/luck_strip.h"

namespace kirvo {

// The level selector `KCB` of the strips; "----" stands for 大運.
inline constexpr std::array<std::string_view, 5> kStripLevelItems = {"----", "大運", "年運", "月運", "日運"};
// The selector item as the upper strip's level: "----" and anything outside the list give 大運.
StripLevel StripLevelOfItem(int item);

enum class StripSide { kUpper, kLower };
// "次へ" moves towards later periods, "前へ" towards earlier ones.
enum class StripStep { kLater, kEarlier };

// Which controls of the strip area are shown, by the upper level and `KSG2CB`.
struct StripControls {
  bool upper_steps = false;  // from 年運
  bool upper_date = false;   // from 月運
  bool lower_date = false;   // upper 年運 or 月運, lower strip not hidden
  bool lower_steps = false;  // upper up to 月運, lower strip not hidden
};

// A strip laid out for the print preview: the shown columns of the upper strip with its labels in
// the last column, and, when the lower strip is shown, an empty row and the lower strip the same way.
struct StripPrintGrid {
  std::vector<std::vector<std::string>> rows;  // each of shown + 1 cells
  std::vector<bool> row_shown;                 // hidden rows print with no height
};

// The two luck calendar strips of the combined window (行運表 上段 and 下段): the level selector,
// the upper date `NDate` and the lower date `NDate2`, stepping, and the strips as last filled. The
// lower strip is one level below the upper one (at most 日運); under an upper 日運 it shows the days
// of the following month.
class LuckStrips {
 public:
  LuckStrips(int level_item, DateTime date);

  // The selector's item: "----" reads back as 大運.
  int level_item() const { return static_cast<int>(upper_level_); }
  StripLevel upper_level() const { return upper_level_; }
  StripLevel lower_level() const;
  DateTime upper_date() const { return upper_date_; }
  DateTime lower_date() const { return lower_date_; }

  void SetLevelItem(int item);
  // "現在の年月日": both dates to `moment`.
  void SetDates(DateTime moment);
  // A step button of one strip. Decades do not step; years scroll by the shown columns; months move
  // the strip's date by 12 months, days by one month. After a step of the upper strip the lower date
  // follows the upper one. True when a date changed (the window then computes its chart anew at the
  // upper date); a date that would leave the calendar stays.
  bool Step(StripSide side, StripStep step);
  // The view of a strip scrolled by hand: its leftmost shown column, kept within the strip.
  void ScrollTo(StripSide side, int first_shown);

  // Refills both strips for the person under the rules as they stand. A refill after a step keeps
  // the scrolled view of a 年運 strip; a fresh fill places every view anew (today's period, else the
  // earliest periods).
  enum class View { kFresh, kKeepScrolled };
  void Fill(const StripPerson& person, const ChartRules& rules, DateTime today, int shown, View view = View::kFresh);

  const LuckStrip& upper() const { return upper_; }
  const LuckStrip& lower() const { return lower_; }
  const LuckStrip& strip(StripSide side) const { return side == StripSide::kUpper ? upper_ : lower_; }
  int shown() const { return shown_; }

  // "下段>" + "年運", "月運", "日運", or "翌月" under an upper 日運.
  std::string LowerCaption() const;
  // 'YYYY"年"' of the 14th month under 月運, else 'YYYY"年"M"月"' of the first period.
  std::string UpperDateCaption() const;
  // The lower date as 'YYYY"年"' under an upper 年運, else 'YYYY"年"M"月"'.
  std::string LowerDateCaption() const;
  StripControls Controls(bool lower_hidden) const;

  // The upper strip, every row and column, for the CSV export.
  std::vector<std::vector<std::string>> CsvRows() const;
  // The print grid, with the strips' row labels; hidden rows by `MKouChg`.
  StripPrintGrid PrintGrid(const SysSettings& sys, StartOfLuckUnit unit, bool lower_shown) const;
  // The strip caption of a printout: "上段>" + level + "　" + lower caption, or the level alone.
  std::string PrintCaption(bool lower_shown) const;

 private:
  std::optional<DateTime> LowerFillDate() const;

  StripLevel upper_level_ = StripLevel::kMajorLuck;
  DateTime upper_date_;
  DateTime lower_date_;
  LuckStrip upper_;
  LuckStrip lower_;
  int shown_ = 10;
};

}  // namespace kirvo
