#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_time.h"

namespace kirvo {

// A birth whose hour is not known is entered with the time "99:99"; every computation takes it as
// 12:00, the middle of the day, and the chart leaves its hour pillar out.
inline constexpr std::string_view kUnknownBirthTime = "99:99";
inline constexpr std::string_view kUnknownBirthTimeTakenAs = "12:00";
inline constexpr int kUnknownBirthHourTakenAs = 12;

// A birth as the program computes with it, read once where it is entered: the moment in whole
// minutes (12:00 of the day when the hour is not known) and whether the hour is known.
struct BirthMoment {
  DateTime moment;
  bool hour_known = true;

  // "YYYY/MM/DD"; "hh:nn", or "99:99" when the hour is not known; the two joined by a blank.
  std::string DateText() const { return moment.DateText(); }
  std::string TimeText() const;
  std::string Text() const { return DateText() + " " + TimeText(); }
  // The same day with the hour taken as known at 12:00.
  BirthMoment TakenAtNoon() const { return {moment, true}; }
  bool operator==(const BirthMoment&) const = default;
};

// The birth of a date and, when the hour is known, an hour and minute; nothing for an impossible
// date (years 1..9999) or time.
std::optional<BirthMoment> BirthMomentOf(int year, int month, int day, std::optional<int> hour, int minute);

// A birth text "yyyy/mm/dd hh:nn" or "yyyy/mm/dd 99:99" (one to four digits for the year, one or two
// for the others, no blanks). Nothing for anything else.
std::optional<BirthMoment> BirthOfText(std::string_view birth_text);

// The moment of a birth text, "99:99" read as 12:00 (BirthOfText's moment).
std::optional<DateTime> BirthMomentOfText(std::string_view birth_text);

}  // namespace kirvo
