#include "calendar/delta_t.h"

#include <array>
#include <limits>

namespace kirvo {
namespace {

inline constexpr double kEver = std::numeric_limits<double>::infinity();

// One span of years with its polynomial: ΔT = Σ c[k]·t^k, t = (year − origin) / unit.
struct DeltaTSpan {
  double until;  // first year after the span
  double origin;
  double unit;
  std::array<double, 8> c;
};

// The polynomials of Espenak and Meeus (NASA Five Millennium Canon of Solar Eclipses, 2006).
// The span 2050–2150 is their −20 + 32u² − 0.5628·(2150 − y), u = (y − 1820)/100, written in u.
constexpr std::array<DeltaTSpan, 15> kSpans = {{
    //  until   origin  unit  c0       c1          c2           c3            c4             c5               c6              c7
    {-500,     1820,  100, {-20,     0,          32}},
    {500,      0,     100, {10583.6, -1014.41,   33.78311,    -5.952053,    -0.1798452,    0.022174192,     0.0090316521}},
    {1600,     1000,  100, {1574.2,  -556.01,    71.23472,    0.319781,     -0.8503463,    -0.005050998,    0.0083572073}},
    {1700,     1600,  1,   {120,     -0.9808,    -0.01532,    1 / 7129.0}},
    {1800,     1700,  1,   {8.83,    0.1603,     -0.0059285,  0.00013336,   -1 / 1174000.0}},
    {1860,     1800,  1,   {13.72,   -0.332447,  0.0068612,   0.0041116,    -0.00037436,   0.0000121272,    -0.0000001699,  0.000000000875}},
    {1900,     1860,  1,   {7.62,    0.5737,     -0.251754,   0.01680668,   -0.0004473624, 1 / 233174.0}},
    {1920,     1900,  1,   {-2.79,   1.494119,   -0.0598939,  0.0061966,    -0.000197}},
    {1941,     1920,  1,   {21.20,   0.84493,    -0.076100,   0.0020936}},
    {1961,     1950,  1,   {29.07,   0.407,      -1 / 233.0,  1 / 2547.0}},
    {1986,     1975,  1,   {45.45,   1.067,      -1 / 260.0,  -1 / 718.0}},
    {2005,     2000,  1,   {63.86,   0.3345,     -0.060374,   0.0017275,    0.000651814,   0.00002373599}},
    {2050,     2000,  1,   {62.92,   0.32217,    0.005589}},
    {2150,     1820,  100, {-205.724, 56.28,     32}},
    {kEver,    1820,  100, {-20,     0,          32}},
}};

double Evaluate(const std::array<double, 8>& c, double t) {
  double sum = 0;
  for (auto k = c.size(); k-- > 0;) sum = sum * t + c[k];
  return sum;
}

}  // namespace

double DeltaTSeconds(double y) {
  for (const DeltaTSpan& span : kSpans) {
    if (y < span.until) return Evaluate(span.c, (y - span.origin) / span.unit);
  }
  return Evaluate(kSpans.back().c, (y - kSpans.back().origin) / kSpans.back().unit);  // not a number
}

}  // namespace kirvo
