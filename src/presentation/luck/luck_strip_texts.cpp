#include "presentation/luck/luck_strip_texts.h"

#include <array>
#include <charconv>

namespace kirvo {
namespace {

std::string TwoDigits(int value) {
  const int rest = ((value % 100) + 100) % 100;
  return std::string{static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string ElapsedText(double days) {
  const DateFields fields = DateTime(days).Fields();
  return TwoDigits(fields.year) + "." + std::to_string(fields.month);
}

std::string TidyAgeText(std::string text, AgeTextPlace place) {
  const std::size_t point = text.find('.');
  if (point != std::string::npos && EndsWith(text, ".12")) {
    const std::string_view years = std::string_view(text).substr(0, point);
    const std::optional<int> number = LeadingNumber(years);
    text = years == "99" || !number ? std::string("00.0") : TwoDigits(*number + 1) + ".0";
  }
  if (text == "99.12" && place.column >= 2) text = "00.0";
  if (text == "99.11" && place.column == place.column_count - 1) text = "00.0";
  if (!text.empty() && text.front() == '0') text.erase(0, 1);
  return text;
}

std::optional<YearsAndMonths> ReadElapsedText(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return std::nullopt;
  YearsAndMonths result;
  const std::string_view years = text.substr(0, point);
  const std::string_view months = text.substr(point + 1);
  const auto read = [](std::string_view digits, int& value) {
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
  };
  if (!read(years, result.years) || !read(months, result.months)) return std::nullopt;
  return result;
}

std::optional<int> LeadingNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

std::string_view WeekdayCharacter(DateTime moment) {
  static constexpr std::array<std::string_view, 7> kWeekdays = {"日", "月", "火", "水", "木", "金", "土"};
  // Day 0, 1899/12/30, was a Saturday.
  const long day = moment.DayNumber();
  return kWeekdays[static_cast<std::size_t>(((day + 6) % 7 + 7) % 7)];
}

std::string MonthDayText(DateTime moment) {
  const DateFields fields = moment.Fields();
  return std::to_string(fields.month) + "/" + std::to_string(fields.day);
}

}  // namespace kirvo
