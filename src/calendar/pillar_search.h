#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/moment_pillars.h"
#include "calendar/term_moment_cache.h"

namespace kirvo {

// The stem-branch date search: the first moment of a range whose pillars carry the chosen stems
// and branches. The eight choices run year stem, year branch, month stem, month branch, day stem,
// day branch, hour stem, hour branch; each is 0 for any, else the stem or branch index + 1.
inline constexpr int kPatternChoices = 8;
using PillarPattern = std::array<int, kPatternChoices>;
using ChoiceFlags = std::array<bool, kPatternChoices>;

// Which choices the pillars meet; an open choice is always met.
ChoiceFlags MatchPattern(const MomentPillars& pillars, const PillarPattern& pattern);
bool MeetsAll(const ChoiceFlags& flags);
bool IsOpenPattern(const PillarPattern& pattern);
// The first pillar (0 year, 1 month, 2 day, 3 hour) whose chosen stem and branch never stand
// together: the sixty pairs join a yang stem to a yang branch and a yin stem to a yin branch, so
// 甲丑 or 乙子 occur in no calendar and a search for them could only walk to its end. Nothing
// when every pillar with both choices made is one of the sixty.
std::optional<int> PillarThatNeverOccurs(const PillarPattern& pattern);

// The candidate after `x`: while the year does not match, the latest solar term at or before
// x + 31 days (about a month on); while the month does not match, the next day's start plus
// 0.0001 day; else the next double-hour plus 0.0001 day. (A candidate that meets every choice
// is the match: the walk stops there.)
DateTime NextCandidate(DateTime x, const ChoiceFlags& flags, const TermClock& clock);

class PillarSearch {
 public:
  enum class Progress { kGoingOn, kFound, kPassedEnd };

  PillarSearch(const PillarPattern& pattern, DateTime start, DateTime end, const CalendarRules& rules);

  // Examines the current candidate: kFound leaves it as the match, kGoingOn moves to the next one,
  // kPassedEnd once the candidate lies after the end.
  Progress Step();
  // After a match: the walk goes on from the double-hour after it.
  void Resume();

  DateTime candidate() const { return candidate_; }
  const ChoiceFlags& flags() const { return flags_; }

 private:
  PillarPattern pattern_;
  DateTime candidate_;
  DateTime end_;
  CalendarRules rules_;
  TermMomentCache cache_;
  DateTime primed_until_;
  ChoiceFlags flags_{};
};

// How a match goes into the entry bar: "yyyy/mm/dd" and "hh:nn", or "99:99" when both hour choices
// are open. A chart cast for "99:99" is read at 12:00 of the date, so the date given is one whose
// noon meets every choice: the match's own, or — for a match from 23:00 on under the 23 o'clock
// day boundary, which already lies in the next day — the next date. When neither noon meets the
// choices (a solar term between), the match's own time is given instead of "99:99".
struct FoundEntry {
  std::string date;
  std::string time;
};
FoundEntry EntryOfMatch(DateTime match, const PillarPattern& pattern, const CalendarRules& rules);

}  // namespace kirvo
