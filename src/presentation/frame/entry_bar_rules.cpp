#include "presentation/frame/entry_bar_rules.h"

#include <array>
#include <cstddef>

#include "calendar/date_time.h"

namespace kirvo {
namespace {

constexpr std::string_view kZeroMoment = "0000/00/0000:00";

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The numbers of `text` split at `separator`, each a run of 1 to 4 digits with blanks around it.
template <std::size_t N>
std::optional<std::array<int, N>> NumbersOf(std::string_view text, char separator) {
  std::array<int, N> numbers{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t end = i + 1 < N ? text.find(separator) : text.size();
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view part = TrimBlanks(text.substr(0, end));
    if (part.empty() || part.size() > 4) return std::nullopt;
    int value = 0;
    for (const char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    numbers[i] = value;
    text = i + 1 < N ? text.substr(end + 1) : std::string_view();
  }
  return numbers;
}

std::optional<std::array<int, 3>> EntryDateOf(std::string_view date) {
  const auto numbers = NumbersOf<3>(date, '/');
  if (!numbers || !DateTime::IsValidDate((*numbers)[0], (*numbers)[1], (*numbers)[2])) return std::nullopt;
  return numbers;
}

std::optional<std::array<int, 2>> EntryTimeOf(std::string_view time) {
  const auto numbers = NumbersOf<2>(time, ':');
  if (!numbers || (*numbers)[0] >= 24 || (*numbers)[1] >= 60) return std::nullopt;
  return numbers;
}

}  // namespace

bool IsEntryDate(std::string_view date) { return EntryDateOf(date).has_value(); }

bool IsEntryTime(std::string_view time) { return EntryTimeOf(time).has_value(); }

std::variant<BirthInput, EntryRefusal> ReadEntry(const EntryFields& fields) {
  if (fields.name.empty()) return EntryRefusal{EntryField::kName, "", std::string(kNameMissingReason)};
  if (fields.name.find_first_of(",&") != std::string::npos) {
    return EntryRefusal{EntryField::kName, std::string(kNameCharacterMessage), ""};
  }
  const std::optional<std::array<int, 3>> date = EntryDateOf(fields.date);
  if (!date) return EntryRefusal{EntryField::kDate, "", std::string(kDateReason)};
  const bool hour_known = fields.time != kUnknownBirthTime;
  const std::optional<std::array<int, 2>> time = hour_known ? EntryTimeOf(fields.time) : std::array<int, 2>{};
  if (!time) return EntryRefusal{EntryField::kTime, "", std::string(kTimeReason)};
  const std::optional<int> hour = hour_known ? std::optional<int>((*time)[0]) : std::nullopt;
  // A checked date and time always make a birth.
  const std::optional<BirthMoment> birth = BirthMomentOf((*date)[0], (*date)[1], (*date)[2], hour, (*time)[1]);
  if (!birth) return EntryRefusal{EntryField::kDate, "", std::string(kDateReason)};
  return BirthInput{fields.name, *birth, fields.sex};
}

std::optional<EntryRefusal> ValidateEntry(const EntryFields& fields) {
  const auto read = ReadEntry(fields);
  if (const EntryRefusal* refusal = std::get_if<EntryRefusal>(&read)) return *refusal;
  return std::nullopt;
}

bool NaturalTimeAvailable(std::string_view date, std::string_view time) {
  const std::string joined = std::string(date) + std::string(time);
  return joined.find(' ') == std::string::npos && joined != kZeroMoment && time != kUnknownBirthTime &&
         IsEntryDate(date) && IsEntryTime(time);
}

std::optional<std::string> NaturalTimeText(std::string_view date, std::string_view time) {
  std::string filled_date(date), filled_time(time);
  for (std::string* text : {&filled_date, &filled_time}) {
    for (char& c : *text) {
      if (c == ' ') c = '0';
    }
  }
  if (!NaturalTimeAvailable(filled_date, filled_time)) return std::nullopt;
  return filled_date + filled_time;
}

std::string ChartWindowCaption(std::string_view name, ChartWindowKind kind) {
  constexpr std::array<std::string_view, 3> kSuffixes = {" さんの命式", " さんの行運", " さんの表"};
  return std::string(name) + std::string(kSuffixes[static_cast<std::size_t>(kind)]);
}

std::string PersonDropDownItem(std::string_view name, std::string_view sex_text) {
  return "\"" + std::string(name) + "\",\"" + std::string(sex_text) + "\"";
}

}  // namespace kirvo
