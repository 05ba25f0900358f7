#pragma once

#include <optional>
#include <string_view>

#include "platform/ini_file.h"

namespace kirvo {

// A tool window's placement kept in a section of an ini file of the program folder: the integer
// keys "Left", "Top", "Height", "Width" and "MONITORS" (the number of the monitor that showed it).
struct IniPlacement {
  std::optional<int> left, top, height, width;
  bool operator==(const IniPlacement&) const = default;
};

// The keys of `section`; a missing key or one that is no integer stays empty.
IniPlacement ReadIniPlacement(const IniFile& ini, std::string_view section);

struct PlacedWindow {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PlacedWindow&) const = default;
};

void WriteIniPlacement(IniFile& ini, std::string_view section, const PlacedWindow& window, int monitor);

// Where a window opens on a screen `screen_width` × `screen_height`: a missing size keeps the
// designed one; a missing Left or Top centres the window. A Top beyond the screen height wraps
// round by the screen height, a Left beyond its width by the width, and what is still negative
// is centred. A window larger than the screen is centred at 0, so that its caption stays in reach.
PlacedWindow PlaceOnScreen(const IniPlacement& kept, int design_width, int design_height, int screen_width,
                           int screen_height);

}  // namespace kirvo
