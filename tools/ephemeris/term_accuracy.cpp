// Compares the term moments of both methods with reference moments read from standard input, as
// tools/ephemeris/solar_terms_reference.py prints them (longitude, Julian Date of Terrestrial
// Time), and prints the spread of the differences in seconds. Both sides take ΔT from the same
// model, so the figures compare the theories of the sun.
//
//   tools/ephemeris/solar_terms_reference.py 1900 2100 | build/.../tools/kirvo_term_accuracy
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <vector>

#include "calendar/delta_t.h"
#include "calendar/precise_terms.h"
#include "calendar/term_search.h"

namespace {

void Report(const char* name, std::vector<double> seconds) {
  if (seconds.empty()) return;
  std::sort(seconds.begin(), seconds.end());
  std::printf("%-9s %zu terms: min %+.1f s, median %+.1f s, max %+.1f s\n", name, seconds.size(), seconds.front(),
              seconds[seconds.size() / 2], seconds.back());
}

}  // namespace

int main() {
  using namespace kirvo;
  std::vector<double> precise;
  std::vector<double> standard;
  double longitude = 0;
  double julian_day_tt = 0;
  while (std::cin >> longitude >> julian_day_tt) {
    const double year = 2000 + (julian_day_tt - 2451545.0) / 365.25;
    const JulianValue universal = julian_day_tt - DeltaTSeconds(year) / 86400 - 0.5L;
    const long number = LatestPreciseTerm(universal + 0.01L);
    precise.push_back(static_cast<double>(PreciseTermMoment(number) - universal) * 86400);
    // The standard search from an hour after the term finds it as the latest term.
    const TermClock universal_standard{0.0, TermMethod::kStandard};
    const TermSearchResult found = FindTermMoment(TermSearchMode::kLatestTerm, universal_standard, universal + 0.05L);
    standard.push_back(static_cast<double>(found.moment - universal) * 86400);
  }
  Report("precise", precise);
  Report("standard", standard);
  return precise.empty() ? 1 : 0;
}
