#include "presentation/frame/window_placement.h"

#include <algorithm>
#include <array>

namespace kirvo {
namespace {

constexpr std::size_t kFieldCount = kWindowPlacementBytes / 4;

std::array<std::int32_t*, kFieldCount - 1> FieldsOf(WindowPlacement& p) {
  return {&p.flags, &p.show_command, &p.min_x, &p.min_y, &p.max_x, &p.max_y, &p.left, &p.top, &p.right, &p.bottom};
}

void AppendField(std::string& bytes, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

std::int32_t FieldAt(std::string_view bytes, std::size_t index) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[index * 4 + i]);
  return static_cast<std::int32_t>(bits);
}

// Rectangles in 64-bit numbers, where differences and sums of 32-bit coordinates stay exact.
struct Span {
  std::int64_t low, high;  // [low, high)
  std::int64_t size() const { return high - low; }
};

std::int64_t Overlap(Span a, Span b) { return std::max<std::int64_t>(0, std::min(a.high, b.high) - std::max(a.low, b.low)); }

// A span of `size` moved inside `area` ([area.low, area.high - size]), shrunk to it first.
Span FitSpan(Span span, Span area) {
  const std::int64_t size = std::min(span.size(), area.size());
  const std::int64_t low = std::clamp(span.low, area.low, area.high - size);
  return {low, low + size};
}

}  // namespace

std::optional<WindowPlacement> FitWindowPlacement(const std::optional<WindowPlacement>& kept,
                                                  const std::vector<ScreenArea>& screens) {
  if (!kept) return std::nullopt;
  const Span x{kept->left, kept->right};
  const Span y{kept->top, kept->bottom};
  if (x.size() <= 0 || y.size() <= 0) return std::nullopt;

  // Screens are looked at in order: with no overlap anywhere the first usable screen wins.
  const ScreenArea* best = nullptr;
  std::uint64_t best_overlap = 0;
  for (const ScreenArea& screen : screens) {
    const Span sx{screen.left, screen.right};
    const Span sy{screen.top, screen.bottom};
    if (sx.size() <= 0 || sy.size() <= 0) continue;
    // Each overlap is below 2^32 pixels, so their product, the shared area, is below 2^64.
    const std::uint64_t overlap = static_cast<std::uint64_t>(Overlap(x, sx)) * static_cast<std::uint64_t>(Overlap(y, sy));
    if (best == nullptr || overlap > best_overlap) {
      best = &screen;
      best_overlap = overlap;
    }
  }
  if (best == nullptr) return std::nullopt;
  const Span fitted_x = FitSpan(x, {best->left, best->right});
  const Span fitted_y = FitSpan(y, {best->top, best->bottom});
  WindowPlacement fitted = *kept;
  fitted.left = static_cast<std::int32_t>(fitted_x.low);
  fitted.right = static_cast<std::int32_t>(fitted_x.high);
  fitted.top = static_cast<std::int32_t>(fitted_y.low);
  fitted.bottom = static_cast<std::int32_t>(fitted_y.high);
  return fitted;
}

std::string EncodeWindowPlacement(const WindowPlacement& placement) {
  WindowPlacement copy = placement;
  std::string bytes;
  bytes.reserve(kWindowPlacementBytes);
  AppendField(bytes, static_cast<std::int32_t>(kWindowPlacementBytes));
  for (const std::int32_t* field : FieldsOf(copy)) AppendField(bytes, *field);
  return bytes;
}

std::optional<WindowPlacement> DecodeWindowPlacement(std::string_view bytes) {
  if (bytes.size() != kWindowPlacementBytes || FieldAt(bytes, 0) != static_cast<std::int32_t>(kWindowPlacementBytes)) {
    return std::nullopt;
  }
  WindowPlacement placement;
  const auto fields = FieldsOf(placement);
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = FieldAt(bytes, i + 1);
  return placement;
}

}  // namespace kirvo
