#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// A window's placement as the settings store keeps it: a 44-byte record of eleven little-endian
// 32-bit fields — length (44), flags, show command, minimized position x, y, maximized position
// x, y, normal rectangle left, top, right, bottom.
inline constexpr std::size_t kWindowPlacementBytes = 44;

// Show commands of the record.
inline constexpr std::int32_t kShowHidden = 0;
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kShowMinimized = 2;
inline constexpr std::int32_t kShowMaximized = 3;
// Flag: a minimized window comes back maximized.
inline constexpr std::int32_t kRestoreToMaximized = 2;

struct WindowPlacement {
  std::int32_t flags = 0;
  std::int32_t show_command = kShowNormal;
  std::int32_t min_x = -1, min_y = -1;
  std::int32_t max_x = -1, max_y = -1;
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;  // the normal (restored) rectangle, pixels
  bool operator==(const WindowPlacement&) const = default;
};

std::string EncodeWindowPlacement(const WindowPlacement& placement);
// Nothing unless `bytes` is 44 bytes long and starts with the length 44.
std::optional<WindowPlacement> DecodeWindowPlacement(std::string_view bytes);

// A screen's area for windows (without its panels and docks), pixels; right and bottom lie just
// outside it, as in the record.
struct ScreenArea {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ScreenArea&) const = default;
};

// A kept placement fitted to the screens there are now: the normal rectangle goes onto the screen
// it overlaps most (the first screen when it overlaps none), shrunk to that screen's size and moved
// inside it; a rectangle that already lies within one screen stays as it is. Nothing — the window
// takes its first-run placement — when there is no record, its rectangle is empty or inverted, or
// no screen has an area. The record's values are any 32-bit numbers: no difference of two of them
// may overflow.
std::optional<WindowPlacement> FitWindowPlacement(const std::optional<WindowPlacement>& kept,
                                                  const std::vector<ScreenArea>& screens);

}  // namespace kirvo
