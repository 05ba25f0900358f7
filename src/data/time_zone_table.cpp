#include "data/time_zone_table.h"

#include <algorithm>
#include <optional>

#include "platform/line_ends.h"
#include "platform/shift_jis.h"
#include "platform/table_row.h"
#include "platform/text_file.h"
#include "platform/utf8.h"

namespace kirvo {

TimeZoneTable TimeZoneTable::FromText(std::string_view text) {
  TimeZoneTable table;
  const std::vector<std::string_view> lines = SplitLines(text);
  for (std::size_t row = 0; row < lines.size(); ++row) {
    std::vector<std::string> cells = SplitRowCells(lines[row], 2);
    if (row == 0) {
      table.header_ = {std::move(cells[0]), std::move(cells[1])};
      table.header_line_ = std::string(lines[row]);
    } else {
      table.places_.push_back({std::move(cells[0]), std::move(cells[1])});
      table.place_lines_.emplace_back(lines[row]);
    }
  }
  return table;
}

namespace {

// The line a row was read from while it still reads as the row; else the row's stored form.
std::string RowLine(const std::optional<std::string>& read_line, const std::string& first, const std::string& second) {
  if (read_line && SplitRowCells(*read_line, 2) == std::vector<std::string>{first, second}) return *read_line;
  return JoinRowCells({first, second});
}

}  // namespace

std::string TimeZoneTable::Text() const {
  std::string text = RowLine(header_line_, header_[0], header_[1]) + "\n";
  for (std::size_t i = 0; i < places_.size(); ++i) {
    text += RowLine(i < place_lines_.size() ? place_lines_[i] : std::nullopt, places_[i].name, places_[i].minutes) +
            "\n";
  }
  return text;
}

bool operator==(const TimeZoneTable& a, const TimeZoneTable& b) {
  return a.header() == b.header() && a.places() == b.places();
}

Status TimeZoneTable::AddOrChange(std::string_view name, std::string_view minutes) {
  for (std::string_view text : {name, minutes}) {
    if (Status checked = CheckPlaceText(text); !checked) return checked;
  }
  const auto named =
      std::find_if(places_.begin(), places_.end(), [&](const TimeZonePlace& p) { return p.name == name; });
  if (named != places_.end()) {
    named->minutes = minutes;
  } else {
    places_.push_back({std::string(name), std::string(minutes)});
  }
  place_lines_.resize(places_.size());
  return {};
}

bool TimeZoneTable::Remove(std::string_view name) {
  const auto named =
      std::find_if(places_.begin(), places_.end(), [&](const TimeZonePlace& p) { return p.name == name; });
  if (named == places_.end()) return false;
  const auto at = named - places_.begin();
  places_.erase(named);
  if (at < static_cast<std::ptrdiff_t>(place_lines_.size())) place_lines_.erase(place_lines_.begin() + at);
  return true;
}

bool TimeZoneTable::Move(std::size_t from, std::size_t to) {
  if (from >= places_.size() || to >= places_.size()) return false;
  place_lines_.resize(places_.size());
  std::optional<std::string> line = std::move(place_lines_[from]);
  place_lines_.erase(place_lines_.begin() + static_cast<std::ptrdiff_t>(from));
  place_lines_.insert(place_lines_.begin() + static_cast<std::ptrdiff_t>(to), std::move(line));
  TimeZonePlace moved = std::move(places_[from]);
  places_.erase(places_.begin() + static_cast<std::ptrdiff_t>(from));
  places_.insert(places_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
  return true;
}

Status CheckPlaceText(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char c = DecodeUtf8Char(utf8, at);
    if (!c.valid) return Status::Failure("地名・時差に UTF-8 として正しくないバイトがあります");
    if (c.code_point < 0x20 || c.code_point == 0x7F) return Status::Failure("地名・時差に制御文字は使えません");
    if (c.code_point == ',' || c.code_point == '&') return Status::Failure(std::string(kPlaceCharacterMessage));
    at += c.length;
  }
  if (Outcome<std::string> encoded = EncodeShiftJis(utf8); !encoded)
    return Status::Failure("地名・時差の " + encoded.error());
  return {};
}

Outcome<TimeZoneTable> ReadTimeZoneFile(const std::filesystem::path& path) {
  Outcome<std::string> text = ReadShiftJisFile(path);
  if (!text) return Outcome<TimeZoneTable>::Failure(text.error());
  return TimeZoneTable::FromText(*text);
}

Status WriteTimeZoneFile(const std::filesystem::path& path, const TimeZoneTable& table) {
  return WriteShiftJisFile(path, table.Text());
}

}  // namespace kirvo
