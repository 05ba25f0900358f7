#include "presentation/time/natural_time_session.h"

#include <cmath>
#include <cstdio>
#include <system_error>

#include "calendar/accepted_moments.h"
#include "calendar/equation_of_time.h"
#include "calendar/natural_time.h"
#include "platform/integer_text.h"

namespace kirvo {
namespace {

constexpr std::size_t kDateLength = 10;  // "yyyy/mm/dd"

}  // namespace

std::string EquationOfTimeValueText(DateTime standard_time) {
  const double tenths = std::round(EquationOfTimeMinutes(standard_time) * 10);
  char text[32];
  std::snprintf(text, sizeof text, "%+.1f", (tenths == 0 ? 0.0 : tenths) / 10);
  return text;
}

NaturalTimeSession::NaturalTimeSession(DateTime input, TimeZoneTable places)
    : input_(input), converted_(input), places_(std::move(places)) {}

std::optional<NaturalTimeSession> NaturalTimeSession::Open(std::string_view date_and_time, TimeZoneTable places) {
  if (date_and_time.size() != kDateLength + 5) return std::nullopt;
  const std::string text =
      std::string(date_and_time.substr(0, kDateLength)) + " " + std::string(date_and_time.substr(kDateLength));
  const std::optional<DateTime> input = DateTime::ParseDateTimeText(text);
  if (!input) return std::nullopt;
  return NaturalTimeSession(*input, std::move(places));
}

std::optional<NaturalTimeSession> NaturalTimeSession::OpenInFolder(std::string_view date_and_time,
                                                                   const std::filesystem::path& program_folder,
                                                                   Interaction& interaction) {
  std::optional<NaturalTimeSession> session = Open(date_and_time, {});
  if (!session) return session;
  const std::filesystem::path path = program_folder / kTimeZoneFileName;
  Outcome<TimeZoneTable> read = ReadTimeZoneFile(path);
  std::error_code error;
  if (read) {
    session->places_ = std::move(read).value();
    session->read_places_ = session->places_;
  } else if (!std::filesystem::exists(path, error) && !error) {
    interaction.ShowMessage(MessageKind::kError, read.error());
  } else {
    // The file is there but could not be read: what it holds is still the user's list.
    session->list_editable_ = false;
    interaction.ShowMessage(MessageKind::kError, read.error() + "\n" + std::string(kPlaceListUnreadableNote));
  }
  return session;
}

Status NaturalTimeSession::Save(const std::filesystem::path& program_folder) const {
  if (!list_editable_ || (read_places_ && *read_places_ == places_)) return {};
  return WriteTimeZoneFile(program_folder / kTimeZoneFileName, places_);
}

Status NaturalTimeSession::AddOrChange() {
  if (!list_editable_) return Status::Failure(std::string(kPlaceListUnreadableNote));
  if (const std::optional<std::string> problem = MinutesProblem()) return Status::Failure(*problem);
  return places_.AddOrChange(name_text_, minutes_text_);
}

Outcome<DateTime> NaturalTimeSession::Convert(long long offset_minutes, bool with_equation_of_time) const {
  const std::optional<DateTime> natural = NaturalMoment(input_, offset_minutes, with_equation_of_time);
  if (!natural) {
    return Outcome<DateTime>::Failure("変換後の日時が扱える範囲の外になります (" + AcceptedMomentRangeText() + ")");
  }
  return *natural;
}

Status NaturalTimeSession::ClickMap(int x) {
  const int minutes = MapClickMinutes(x);
  const Outcome<DateTime> natural = Convert(minutes, with_equation_of_time_);
  if (!natural) return Status::Failure(natural.error());
  converted_ = *natural;
  offset_minutes_ = minutes;
  minutes_text_ = (minutes > 0 ? "+" : "") + std::to_string(minutes);
  name_text_.clear();
  const EastLongitude longitude = MapClickLongitude(x);
  place_label_ = std::string(kEastLongitudePrefix) + std::to_string(longitude.degrees) + "°" +
                 std::to_string(longitude.arc_minutes) + "′";
  return {};
}

Status NaturalTimeSession::ClickPlace(std::size_t index) {
  if (index >= places_.places().size()) return Status::Failure("その行に地名はありません");
  const TimeZonePlace& place = places_.places()[index];
  const std::optional<long long> minutes = ParseInteger(place.minutes);
  if (!minutes) return Status::Failure("「" + place.minutes + "」は整数ではありません");
  const Outcome<DateTime> natural = Convert(*minutes, with_equation_of_time_);
  if (!natural) return Status::Failure(natural.error());
  converted_ = *natural;
  offset_minutes_ = *minutes;
  place_label_ = place.name;
  name_text_ = place.name;
  minutes_text_ = place.minutes;
  return {};
}

std::optional<std::string> NaturalTimeSession::MinutesProblem() const {
  constexpr int kMinutesOfADay = 24 * 60;
  return IntegerTextProblem(minutes_text_, kMinutesOfADay, -kMinutesOfADay);
}

Status NaturalTimeSession::SetEquationOfTime(bool on) {
  const Outcome<DateTime> natural = Convert(offset_minutes_, on);
  if (!natural) return Status::Failure(natural.error());
  converted_ = *natural;
  with_equation_of_time_ = on;
  return {};
}

std::string NaturalTimeSession::EquationOfTimeText() const {
  return "均時差：" + EquationOfTimeValueText(input_) + "分";
}

}  // namespace kirvo
