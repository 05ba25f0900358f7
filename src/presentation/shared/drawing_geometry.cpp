#include "presentation/shared/drawing_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Round to the nearest integer, halves to even (the default rounding mode).
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int Component(Rgb colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

// The names of a ring written one after another, cut every `name_bytes` Shift-JIS bytes: a stage
// name such as " 衰 " is a half-width blank, one character and a blank, as wide as "長生".
std::vector<std::string> NamesOf(std::string_view text, int name_bytes) {
  std::vector<std::string> names;
  std::string name;
  int width = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = std::max<std::size_t>(1, DecodeUtf8Char(text, at).length);
    const std::string_view character = text.substr(at, length);
    name += character;
    width += ShiftJisWidth(character);
    at += length;
    if (width >= name_bytes) {
      names.push_back(std::move(name));
      name.clear();
      width = 0;
    }
  }
  return names;
}

}  // namespace

PixelPoint PointOnCircle(double cx, double cy, double r, double angle) {
  const double radians = (angle + 270.0) * kDegree;
  return {RoundHalfEven(cx + r * std::cos(radians)), RoundHalfEven(cy + r * std::sin(radians))};
}

ArrowCorners ArrowHead(PixelPoint start, PixelPoint tip, double half_angle, double side) {
  const int dx = tip.x - start.x;
  const int dy = tip.y - start.y;
  double direction = 0;  // degrees: the slope of the line, or straight up or down
  if (dx != 0 && dy != 0) {
    direction = std::atan(static_cast<double>(dy) / dx) / kDegree;
  } else if (dx == 0 && dy > 0) {
    direction = 270;
  } else if (dx == 0 && dy < 0) {
    direction = 90;
  }
  // Pointing right, the corners trail to the left of the tip; otherwise the slope points the
  // other way and the half-turn brings them back behind the tip.
  const double spread = dx > 0 ? half_angle : half_angle + 180;
  const auto corner = [&](double angle) {
    return PixelPoint{RoundHalfEven(tip.x - side * std::cos(angle * kDegree)),
                      RoundHalfEven(tip.y - side * std::sin(angle * kDegree))};
  };
  return {corner(direction + spread), corner(direction - spread)};
}

std::vector<Rgb> ColourRamp(Rgb start, Rgb end, int n) {
  n = std::clamp(n, 1, kMaxGradientSteps);
  std::vector<Rgb> ramp(static_cast<std::size_t>(n) + 1, start);
  ramp[static_cast<std::size_t>(n)] = end;
  for (const int shift : {16, 8, 0}) {
    const long double s = Component(start, shift);
    const long double step = (s - Component(end, shift)) / n;
    long double value = s;  // the step is taken off again and again, as the ramp always was built
    for (int k = 1; k < n; ++k) {
      value -= step;
      Rgb& colour = ramp[static_cast<std::size_t>(k)];
      colour = (colour & ~(Rgb{0xFF} << shift)) | (static_cast<Rgb>(std::trunc(value)) << shift);
    }
  }
  return ramp;
}

std::vector<GradientBand> GradientFill(const PixelRect& rect, Rgb start, int n, Rgb end) {
  n = std::clamp(n, 1, kMaxGradientSteps);
  const std::vector<Rgb> ramp = ColourRamp(start, end, n);
  const int height = rect.bottom - rect.top;
  const int band_height = static_cast<int>(std::trunc(static_cast<double>(height) / n + 1));
  std::vector<GradientBand> bands;
  bands.reserve(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) {
    const int top = rect.top + static_cast<int>(std::trunc(static_cast<double>(k - 1) * height / n));
    bands.push_back({{rect.left, top, rect.right, top + band_height}, ramp[static_cast<std::size_t>(k)]});
  }
  return bands;
}

int NameRingFontPoints(int area_width, NameRingMode mode) {
  return area_width / (mode == NameRingMode::kOneCharacter ? 12 : 14);
}

std::vector<NameRingPlace> NameRing(std::string_view names, int cx, int cy, NameRingMode mode, int radius,
                                    int glyph_width, const TenGodNames& ten_god_names) {
  const int characters_per_name = static_cast<int>(mode);
  const int count = ShiftJisWidth(names) / 2 / characters_per_name;
  const int width = glyph_width * characters_per_name;
  const int half = width / 2;
  const int x0 = cx - half;
  const int y0 = mode == NameRingMode::kOneCharacter ? cy - half : cy - width / 4;
  const int ring_radius = radius - half;

  const std::vector<std::string> split = NamesOf(names, 2 * characters_per_name);
  const auto name_at = [&](int index) {
    const auto at = static_cast<std::size_t>(index);
    return at < split.size() ? split[at] : std::string();
  };

  std::vector<NameRingPlace> places;
  for (int l = 0; l < count; ++l) {
    // One-character rings other than the ten stems are the branches, read from 午.
    const int index = mode == NameRingMode::kOneCharacter && count != 10 ? (l + 6) % 12 : l;
    NameRingPlace place;
    place.name = name_at(index);
    place.at = PointOnCircle(x0, y0, ring_radius, 360.0 / count * l);
    place.element = ElementGroupOf(place.name, ten_god_names);
    if (place.element != kNoElement) {
      place.box = {place.at.x - kNameBoxMarginPx, place.at.y - kNameBoxMarginPx,
                   place.at.x + width + kNameBoxMarginPx, place.at.y + width + kNameBoxMarginPx};
      place.box_steps = width + kNameBoxMarginPx;
    }
    places.push_back(std::move(place));
  }
  return places;
}

int FittedPixelSize(int pixel_size, int advance, int room) {
  constexpr int kLeastLegible = 6;
  if (advance <= room || advance <= 0) return pixel_size;
  return std::max(kLeastLegible, std::min(pixel_size, pixel_size * std::max(room, 0) / advance));
}

}  // namespace kirvo
