#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"

namespace kirvo {

// The user's list of places and their offsets from standard time, kept in the program folder.
inline constexpr std::string_view kTimeZoneFileName = "TZone.dat";
inline constexpr std::string_view kPlaceNameHeader = "地名";
inline constexpr std::string_view kPlaceMinutesHeader = "時差";
inline constexpr std::string_view kPlaceCharacterMessage = "地名・時差に半角の「＆」「，」は使用できません。";

// A place of the list: its name and its offset in minutes as the user wrote it, signed integer text
// (positive east of 135°E, "+" in front when it came from the map). The text is kept as written; it
// is read as a number only when the place is used.
struct TimeZonePlace {
  std::string name;
  std::string minutes;
  bool operator==(const TimeZonePlace&) const = default;
};

// The list as stored: a header row, then the places in the user's order. Stored one row a line,
// every cell followed by ",".
class TimeZoneTable {
 public:
  TimeZoneTable() = default;
  explicit TimeZoneTable(std::vector<TimeZonePlace> places) : places_(std::move(places)) {}

  // Every line is a row split at its commas into name and minutes (text after the second comma is
  // not read); the first line is the header row. Lines kept as they are, empty ones included.
  static TimeZoneTable FromText(std::string_view text);
  // Each row as its line was read while the row is unchanged (a line without a comma, or with text
  // after the second comma, keeps that text); new and changed rows as "name,minutes,".
  std::string Text() const;

  const std::array<std::string, 2>& header() const { return header_; }
  const std::vector<TimeZonePlace>& places() const { return places_; }

  // 追加・変更: the place named exactly `name` takes `minutes` and keeps its position; without one,
  // the place is appended. Refused, the list unchanged, when either text could break the stored
  // row (see CheckPlaceText). The header row is no place: a name equal to its text is appended.
  Status AddOrChange(std::string_view name, std::string_view minutes);
  // 削除: removes the first place named exactly `name`, the places below moving up; false, nothing
  // removed, when there is none.
  bool Remove(std::string_view name);
  // Moves the place at `from` to index `to` (the drag of a row); false when either is out of range.
  bool Move(std::size_t from, std::size_t to);

 private:
  std::array<std::string, 2> header_ = {std::string(kPlaceNameHeader), std::string(kPlaceMinutesHeader)};
  std::vector<TimeZonePlace> places_;
  // The line each row was read from (none for rows added since), beside header_ and places_.
  std::optional<std::string> header_line_;
  std::vector<std::optional<std::string>> place_lines_;
};

// Whether a place name or minutes text can be kept in the list: valid UTF-8 with a Shift-JIS code for
// every character (the file is Shift-JIS), no control character (it would end the line), and neither
// a half-width "," (it ends the cell) nor "&" (kept out of the list as out of the person names).
Status CheckPlaceText(std::string_view utf8);

bool operator==(const TimeZoneTable& a, const TimeZoneTable& b);

// The list file read whole (Shift-JIS), or why it could not be read.
Outcome<TimeZoneTable> ReadTimeZoneFile(const std::filesystem::path& path);
// Writes the list whole, as Shift-JIS with CR LF, through a temporary file.
Status WriteTimeZoneFile(const std::filesystem::path& path, const TimeZoneTable& table);

}  // namespace kirvo
