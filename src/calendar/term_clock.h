#pragma once

namespace kirvo {

// How the solar terms are computed: "標準" by the program's own fixed series for the sun (what
// charts have always been cast with), "精密" by a modern theory of the Earth's orbit with ΔT.
enum class TermMethod { kStandard = 0, kPrecise = 1 };

inline constexpr double kDefaultTimeZoneHours = 9.0;

// What a term search needs besides its starting moment: the offset of local clock time from
// Universal Time, and the method.
struct TermClock {
  double zone_hours = kDefaultTimeZoneHours;
  TermMethod method = TermMethod::kStandard;

  bool operator==(const TermClock&) const = default;
};

}  // namespace kirvo
