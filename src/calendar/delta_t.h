#pragma once

namespace kirvo {

// ΔT = TT − UT in seconds: how far the clock of the Earth's rotation lags the uniform time of the
// ephemerides, at a year given with its fraction (2024.5 is mid-2024). Observed values smoothed by
// polynomials from 1600 to today, extrapolated beyond (the uncertainty grows to about a minute by
// 2100), and a parabola in the centuries from 1820 further out.
double DeltaTSeconds(double decimal_year);

}  // namespace kirvo
