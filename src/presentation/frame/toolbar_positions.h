#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace kirvo {

// Where the toolbars and the side panel sit, kept in KIRVO.ini of the program folder in one
// section per bar named "TBarPos" followed by the bar's name ("TBarPosEntBar", "TBarPosMeiWin").
inline constexpr std::string_view kToolbarPositionsFile = "KIRVO.ini";
inline constexpr std::string_view kToolbarSectionPrefix = "TBarPos";
inline constexpr int kToolbarPositionRevision = 3;  // written; 2 and 3 are read

// The docks a bar can sit in, by the names the file uses.
enum class DockSide { kNone, kTop, kLeft, kRight, kBottom, kFloating };
DockSide DockSideOf(std::string_view dock_name);  // "Dock97" top, "Dock971" left, "Dock972" right,
                                                  // "Dock973" bottom, "+" floating, other none
std::string_view DockNameOf(DockSide side);       // "" for none

struct ToolbarPosition {
  bool visible = true;
  DockSide docked_to = DockSide::kTop;
  DockSide last_dock = DockSide::kNone;
  int dock_row = 0;  // row within the dock, 0 nearest the window's edge
  int dock_pos = 0;  // pixels from the dock's start
  int float_left = 0, float_top = 0;
  // The resizable side panel only.
  std::optional<int> client_width, client_height;
  bool operator==(const ToolbarPosition&) const = default;
};

// The saved position of bar `name`; nothing when its section is missing or of another revision.
std::optional<ToolbarPosition> ReadToolbarPosition(const IniFile& ini, std::string_view name);
void WriteToolbarPosition(IniFile& ini, std::string_view name, const ToolbarPosition& position);

}  // namespace kirvo
