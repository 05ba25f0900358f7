#include "calendar/birth_time.h"

namespace kirvo {

std::string BirthMoment::TimeText() const {
  return hour_known ? moment.TimeText() : std::string(kUnknownBirthTime);
}

std::optional<BirthMoment> BirthMomentOf(int year, int month, int day, std::optional<int> hour, int minute) {
  const DateFields fields{year, month, day, hour.value_or(kUnknownBirthHourTakenAs), hour ? minute : 0, 0, 0};
  if (!DateTime::IsValidDate(year, month, day)) return std::nullopt;
  const std::optional<DateTime> moment = DateTime::FromFields(fields);
  if (!moment) return std::nullopt;
  return BirthMoment{*moment, hour.has_value()};
}

std::optional<BirthMoment> BirthOfText(std::string_view birth_text) {
  const bool hour_known = !birth_text.ends_with(kUnknownBirthTime);
  std::string text(birth_text);
  if (!hour_known) {
    text.replace(text.size() - kUnknownBirthTime.size(), kUnknownBirthTime.size(), kUnknownBirthTimeTakenAs);
  }
  const std::optional<DateTime> moment = DateTime::ParseDateTimeText(text);
  if (!moment) return std::nullopt;
  return BirthMoment{*moment, hour_known};
}

std::optional<DateTime> BirthMomentOfText(std::string_view birth_text) {
  const std::optional<BirthMoment> birth = BirthOfText(birth_text);
  if (!birth) return std::nullopt;
  return birth->moment;
}

}  // namespace kirvo
