#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/pillar_search.h"
#include "platform/outcome.h"

namespace kirvo {

// The date search dialog "干支日時検索" as the user fills it: the eight choices and the range's
// four texts, remembered between uses in "MainF.ini", section "SrcF" (one key per control).
struct DateSearchForm {
  PillarPattern pattern{};
  std::string start_date = "1800/01/01";
  std::string start_time = "00:00";
  std::string end_date = "2000/01/01";
  std::string end_time = "00:00";
};

inline constexpr std::string_view kDateSearchFile = "MainF.ini";
inline constexpr std::string_view kDateSearchSection = "SrcF";
// The controls' names: the eight choices (year stem … hour branch), then the range's four fields.
inline constexpr std::array<std::string_view, kPatternChoices> kPatternControls = {
    "YKanCB", "YShiCB", "MKanCB", "MShiCB", "DKanCB", "DShiCB", "HKanCB", "HShiCB"};
inline constexpr std::array<std::string_view, 4> kRangeControls = {"SDateE", "STimeE", "EDateE", "ETimeE"};

inline constexpr std::string_view kNoConditionMessage = "検索条件が指定されていません。";
inline constexpr std::string_view kRangeDateReason = "検索範囲の日付が正しくありません。";
inline constexpr std::string_view kRangeTimeReason = "検索範囲の時刻が正しくありません。";
inline constexpr std::string_view kFoundMessage = "命式が見つかりました。";
inline constexpr std::string_view kNotFoundMessage = "命式が見つかりませんでした。";

// The form as last kept; the designed defaults where the file or a key is missing or unreadable
// (a choice outside its list counts as unreadable).
DateSearchForm LoadDateSearchForm(const std::filesystem::path& program_folder);
[[nodiscard]] Status SaveDateSearchForm(const std::filesystem::path& program_folder, const DateSearchForm& form);

// "年柱の「甲丑」という干支はありません。": a pillar chosen as a pair that never occurs.
std::string NoSuchPillarMessage(const PillarPattern& pattern, int pillar);

// Why a search does not start: no choice made (beep and kNoConditionMessage), a pillar chosen as a
// pair that never occurs (beep and NoSuchPillarMessage, at once rather than after walking the
// whole range), or a date or time text that is none (the beep with `reason` shown at the field
// until the next input, no message).
struct SearchRefusal {
  std::string message;
  std::string reason;
};
struct SearchRange {
  DateTime start;
  DateTime end;
};
// The range of a form that may be searched, or why not.
std::variant<SearchRange, SearchRefusal> CheckDateSearchForm(const DateSearchForm& form);

}  // namespace kirvo
