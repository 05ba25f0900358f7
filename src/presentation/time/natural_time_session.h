#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_time.h"
#include "data/time_zone_table.h"
#include "platform/interaction.h"
#include "platform/outcome.h"

namespace kirvo {

inline constexpr std::string_view kNaturalTimeCaption = "自然時変換";
inline constexpr std::string_view kStandardTimePlaceLabel = "日本標準時：";
inline constexpr std::string_view kEastLongitudePrefix = "東経：";
inline constexpr std::string_view kEquationOfTimeOption = "均時差を含める";
inline constexpr std::string_view kPlaceListUnreadableNote =
    "地名の一覧を読めなかったため、一覧は変更も保存もしません（TZone.dat はそのままです）。";

// The equation of time at a standard-time moment in minutes to one decimal, always signed: "+16.4",
// "-14.2", "+0.0".
std::string EquationOfTimeValueText(DateTime standard_time);

// The natural-time conversion of the entry bar's date and time: the offset is picked on the map or
// from the place list, the converted moment follows it, and the list is edited by name. What the
// dialog shows is read from here; the dialog only forwards clicks and typing.
class NaturalTimeSession {
 public:
  // From the entry bar's text, the date immediately followed by the time ("yyyy/mm/ddhh:nn"), and
  // the place list as loaded. Nothing when the text is no valid date and time.
  static std::optional<NaturalTimeSession> Open(std::string_view date_and_time, TimeZoneTable places);
  // The same with the list of TZone.dat in `program_folder`. A missing file is told through
  // `interaction`, the list starts empty and Save creates the file. A file that exists but could
  // not be read is told with kPlaceListUnreadableNote: the list stays empty and locked (no place
  // can be added, changed, removed or moved) and Save leaves the file alone.
  static std::optional<NaturalTimeSession> OpenInFolder(std::string_view date_and_time,
                                                        const std::filesystem::path& program_folder,
                                                        Interaction& interaction);
  // Writes the list to TZone.dat of `program_folder`, whole, when it differs from the list as read;
  // nothing when the list is locked.
  Status Save(const std::filesystem::path& program_folder) const;
  // False after a failed read of the file: the list cannot be edited or saved.
  bool list_editable() const { return list_editable_; }

  DateTime input() const { return input_; }
  DateTime converted() const { return converted_; }
  // "yyyy/mm/dd hh:nn" before and after the conversion.
  std::string InputText() const { return input_.DateTimeText(); }
  std::string ConvertedText() const { return converted_.DateTimeText(); }
  // "日本標準時：" at first, then the longitude of the map click or the name of the place clicked.
  const std::string& place_label() const { return place_label_; }
  // The editing fields of the list, as typed or as the last click filled them.
  const std::string& name_text() const { return name_text_; }
  const std::string& minutes_text() const { return minutes_text_; }
  void SetNameText(std::string text) { name_text_ = std::move(text); }
  void SetMinutesText(std::string text) { minutes_text_ = std::move(text); }

  // A click on the map at pixel column x: the offset of that longitude; the minutes field shows it
  // ("+" in front when east), the name field empties, the label shows "東経：136°0′". Refused, all
  // as it was, when the converted moment would fall outside the moments the program computes with.
  Status ClickMap(int x);
  // A click on the place at `index`: its minutes give the offset, the label and the name field show
  // its name, the minutes field its minutes text. Refused, all as it was, when its minutes are no
  // integer or the converted moment is out of range.
  Status ClickPlace(std::size_t index);
  // 追加・変更 and 削除 with the name and minutes fields (see TimeZoneTable), and the drag of a row;
  // all refused while the list is locked. 追加・変更 also refuses, saying why, minutes that are no
  // whole number of minutes within a day either way: such a row could never be clicked into an
  // offset.
  Status AddOrChange();
  // Why the minutes field cannot be stored, or nothing when it can.
  std::optional<std::string> MinutesProblem() const;
  bool Remove() { return list_editable_ && places_.Remove(name_text_); }
  bool MovePlace(std::size_t from, std::size_t to) { return list_editable_ && places_.Move(from, to); }

  // Whether the equation of time (均時差) is added, giving true rather than mean solar time. Off at
  // the start. Refused, unchanged, when the converted moment would be out of range.
  Status SetEquationOfTime(bool on);
  bool with_equation_of_time() const { return with_equation_of_time_; }
  // "均時差：+16.4分": the equation of time at the input moment, whether it is added or not.
  std::string EquationOfTimeText() const;

  const TimeZoneTable& places() const { return places_; }

 private:
  NaturalTimeSession(DateTime input, TimeZoneTable places);
  // The converted moment for `offset_minutes`; a failure for the user when there is none.
  Outcome<DateTime> Convert(long long offset_minutes, bool with_equation_of_time) const;

  DateTime input_;
  DateTime converted_;
  long long offset_minutes_ = 0;
  bool with_equation_of_time_ = false;
  TimeZoneTable places_;
  std::optional<TimeZoneTable> read_places_;  // the list as read from the file, when it was
  bool list_editable_ = true;
  std::string place_label_{kStandardTimePlaceLabel};
  std::string name_text_;
  std::string minutes_text_ = "0";
};

}  // namespace kirvo
