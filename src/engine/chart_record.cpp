#include "engine/chart_record.h"

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {

bool HourKnown(const BirthInput& input) { return input.time_text != kUnknownBirthTime; }

std::string FitShiftJisBytes(std::string_view text, int limit) {
  int width = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + DecodeUtf8Char(text, end).length;
    width += ShiftJisWidth(text.substr(end, next - end));
    if (width > limit) break;
    end = next;
  }
  return std::string(text.substr(0, end));
}

std::optional<TMeiData> NewChartRecord(const BirthInput& input, DateTime chart_moment) {
  const std::string_view time = HourKnown(input) ? std::string_view(input.time_text) : kUnknownBirthTimeTakenAs;
  const std::optional<DateTime> birth = DateTime::ParseDateTimeText(input.date_text + " " + std::string(time));
  if (!birth) return std::nullopt;
  TMeiData record;
  record.BirthDateTime = *birth;
  record.ChartDateTime = chart_moment;
  record.PersonName = FitShiftJisBytes(input.name, kPersonNameBytes);
  record.Sex = static_cast<std::uint8_t>(input.sex == 0 ? 0 : 1);
  record.BirthText = FitShiftJisBytes(input.date_text + " " + input.time_text, kBirthTextBytes);
  return record;
}

}  // namespace kirvo
