#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/sex.h"
#include "engine/chart_record.h"

namespace kirvo {

// The entry bar's four fields as their texts show them; a position the user has not filled reads as
// a blank (" ").
struct EntryFields {
  std::string name;
  Sex sex = Sex::kMale;
  std::string date;  // "YYYY/MM/DD"
  std::string time;  // "hh:nn", or "99:99" when the hour is not known
  bool operator==(const EntryFields&) const = default;
};

enum class EntryField { kName, kSex, kDate, kTime };

// Why the entry bar refuses a command: the field that gets the focus, the message to show after
// the beep (empty: the beep alone) and the reason the status bar keeps until the next input.
struct EntryRefusal {
  EntryField focus;
  std::string message;
  std::string reason;
  bool operator==(const EntryRefusal&) const = default;
};

inline constexpr std::string_view kNameCharacterMessage = "氏名欄に半角の「＆」「，」は使用できません。";
inline constexpr std::string_view kNameMissingReason = "氏名を入力してください。";
inline constexpr std::string_view kDateReason = "日付が正しくありません。";
inline constexpr std::string_view kTimeReason = "時刻が正しくありません。";

// The checks before any chart, luck or combined window opens, in this order, the first failure
// deciding: the name is empty; the name holds a half-width "," or "&" (they separate the cells and
// mark the shortcuts of the files and menus the name goes into; full-width ones are fine); the date
// is no valid date; the time is neither "99:99" nor a valid time. What passes is read here, once,
// into the person the windows are opened for.
std::variant<BirthInput, EntryRefusal> ReadEntry(const EntryFields& fields);
// ReadEntry's refusal, if any.
std::optional<EntryRefusal> ValidateEntry(const EntryFields& fields);

// "YYYY/MM/DD" with blanks allowed around the numbers, a real date of the years 1..9999.
bool IsEntryDate(std::string_view date);
// "hh:nn" with blanks allowed around the numbers, 00:00 to 23:59.
bool IsEntryTime(std::string_view time);

// Whether the natural-time button can be used: the date text followed by the time text has no
// blank, is not "0000/00/0000:00", the time is not "99:99" and the two make a valid moment.
bool NaturalTimeAvailable(std::string_view date, std::string_view time);

// The 15-character date-and-time text handed to the natural-time conversion when the button is
// clicked: blanks of both fields become "0"; nothing when the result is no valid moment.
std::optional<std::string> NaturalTimeText(std::string_view date, std::string_view time);

// The three kinds of chart windows the entry bar opens, and their captions: the caption identifies
// the window, so a second request for the same caption brings that window forward.
enum class ChartWindowKind { kChart, kLuck, kCombined };
std::string ChartWindowCaption(std::string_view name, ChartWindowKind kind);

// One item of the name drop-down: "\"name\",\"sex\"".
std::string PersonDropDownItem(std::string_view name, std::string_view sex_text);

}  // namespace kirvo
