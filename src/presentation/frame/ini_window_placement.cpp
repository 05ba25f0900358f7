#include "presentation/frame/ini_window_placement.h"

#include <algorithm>

namespace kirvo {
namespace {

constexpr std::string_view kLeft = "Left", kTop = "Top", kHeight = "Height", kWidth = "Width";
constexpr std::string_view kMonitor = "MONITORS";

std::optional<int> ReadKey(const IniFile& ini, std::string_view section, std::string_view key) {
  // Two different fallbacks tell a missing or unreadable value from a kept one.
  const int low = ini.ReadInteger(section, key, 0);
  const int high = ini.ReadInteger(section, key, 1);
  if (low != high) return std::nullopt;
  return low;
}

// One coordinate: kept or centred, wrapped round a screen it lies beyond, centred when negative.
int PlaceCoordinate(std::optional<int> kept, int size, int screen) {
  const int centred = std::max(0, (screen - size) / 2);
  if (!kept) return centred;
  int place = *kept;
  if (screen > 0 && place > screen) place %= screen;
  return place < 0 ? centred : place;
}

}  // namespace

IniPlacement ReadIniPlacement(const IniFile& ini, std::string_view section) {
  return {ReadKey(ini, section, kLeft), ReadKey(ini, section, kTop), ReadKey(ini, section, kHeight),
          ReadKey(ini, section, kWidth)};
}

void WriteIniPlacement(IniFile& ini, std::string_view section, const PlacedWindow& window, int monitor) {
  ini.WriteInteger(section, kLeft, window.left);
  ini.WriteInteger(section, kTop, window.top);
  ini.WriteInteger(section, kHeight, window.height);
  ini.WriteInteger(section, kWidth, window.width);
  ini.WriteInteger(section, kMonitor, monitor);
}

PlacedWindow PlaceOnScreen(const IniPlacement& kept, int design_width, int design_height, int screen_width,
                           int screen_height) {
  PlacedWindow placed;
  placed.width = kept.width.value_or(design_width);
  placed.height = kept.height.value_or(design_height);
  placed.left = PlaceCoordinate(kept.left, placed.width, screen_width);
  placed.top = PlaceCoordinate(kept.top, placed.height, screen_height);
  return placed;
}

}  // namespace kirvo
