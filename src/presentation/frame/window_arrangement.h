#pragma once

#include <vector>

namespace kirvo {

struct WindowSize {
  int width = 0;
  int height = 0;
};
struct WindowPoint {
  int x = 0;
  int y = 0;
  bool operator==(const WindowPoint&) const = default;
};

// 並べて表示: the children keep their sizes and are laid out in rows from the top left, in
// window-list order. Each child goes right of the previous one; when the running x has reached the
// width of the area that shows the children less the child's width, the child starts a new row
// that many pixels lower as the child is high. The area is what the main window leaves the
// children (a docked side panel takes its share), so that no child lands out of sight. Pixels.
std::vector<WindowPoint> TilePositions(int area_width, const std::vector<WindowSize>& children);

}  // namespace kirvo
