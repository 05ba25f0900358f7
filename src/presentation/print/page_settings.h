#pragma once

#include <array>

#include "platform/outcome.h"

namespace kirvo {

class SettingsStore;

// The print preview's page settings: the margins in millimetres, colour printing, and the zoom
// of the preview picture (an index into kPrintZooms; it scales only the preview).
struct PageSettings {
  int top_mm = 10;
  int bottom_mm = 5;
  int left_mm = 10;
  int right_mm = 10;
  bool colour = false;
  int zoom_choice = 0;
  bool operator==(const PageSettings&) const = default;
};

// The zoom choices of the preview in percent; the dialog opens at the first.
inline constexpr std::array<int, 11> kPrintZooms = {100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 200};
// The percentage of a zoom choice; a choice out of range reads as 100.
int PrintZoomPercent(int zoom_choice);

// Margins are kept within what still leaves a page to print on.
inline constexpr int kMaxMarginMm = 100;

// Section "PRN" of the per-user store: "TopMgn", "BottomMgn", "LeftMgn", "RightMgn" (integers),
// "Color" ("1" or "0") and "ZCB" (the zoom choice). A missing or unreadable value keeps its default.
PageSettings ReadPageSettings(const SettingsStore& store);
Status WritePageSettings(SettingsStore& store, const PageSettings& settings);

}  // namespace kirvo
