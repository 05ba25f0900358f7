#include "calendar/era_dates.h"

#include <charconv>

namespace kirvo {
namespace {

DateTime FirstDay(int era) {
  const EraRow& row = kEras[static_cast<std::size_t>(era)];
  return *DateTime::FromDate(row.year, row.month, row.day);
}

DateTime LastDay() { return *DateTime::FromDate(kLastEraDay[0], kLastEraDay[1], kLastEraDay[2]); }

std::optional<int> TwoDigits(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string Padded(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::optional<int> EraIndexOf(std::string_view name) {
  for (int era = 0; era < kEraCount; ++era) {
    if (kEras[static_cast<std::size_t>(era)].name == name) return era;
  }
  return std::nullopt;
}

std::string EraChoiceText(int era) {
  return std::to_string(era + 1) + " " + std::string(kEras[static_cast<std::size_t>(era)].name);
}

std::optional<int> EraOfDate(DateTime date) {
  std::optional<int> found;
  for (int era = 0; era < kEraCount; ++era) {
    if (FirstDay(era) <= date) found = era;
  }
  return found;
}

std::string EraDateText(DateTime date, int era) {
  const DateFields fields = date.Fields();
  return Padded(fields.year - kEras[static_cast<std::size_t>(era)].year + 1) + "/" + Padded(fields.month) + "/" +
         Padded(fields.day);
}

std::optional<EraEntry> ConvertEraText(int era, std::string_view text) {
  if (era < 0 || era >= kEraCount || text.size() != 8 || text[2] != '/' || text[5] != '/') return std::nullopt;
  const std::optional<int> year = TwoDigits(text.substr(0, 2));
  const std::optional<int> month = TwoDigits(text.substr(3, 2));
  const std::optional<int> day = TwoDigits(text.substr(6, 2));
  if (!year || !month || !day) return std::nullopt;
  const std::optional<DateTime> date =
      DateTime::FromDate(kEras[static_cast<std::size_t>(era)].year + *year - 1, *month, *day);
  if (!date) return std::nullopt;

  EraEntry entry{*date, era, {}, std::nullopt};
  if (*date < FirstDay(0)) {
    entry.error = std::string(kBeforeMeijiMessage);
    entry.date = FirstDay(0);
    entry.era = 0;
  } else if (const int lies_in = *EraOfDate(*date); lies_in != era) {
    // The date keeps its day and the choice moves to the era it lies in, however far away.
    entry.error = std::string(kEraMismatchMessage);
    entry.era = lies_in;
  } else if (era == kEraCount - 1 && *date > LastDay()) {
    entry.error = std::string(kEraMismatchMessage);
  }
  entry.text = EraDateText(entry.date, entry.era);
  return entry;
}

}  // namespace kirvo
