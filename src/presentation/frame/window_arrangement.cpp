#include "presentation/frame/window_arrangement.h"

namespace kirvo {

std::vector<WindowPoint> TilePositions(int area_width, const std::vector<WindowSize>& children) {
  std::vector<WindowPoint> positions;
  positions.reserve(children.size());
  int x = 0, y = 0;
  for (const WindowSize& child : children) {
    if (x >= area_width - child.width) {
      y += child.height;
      x = 0;
    }
    positions.push_back({x, y});
    x += child.width;
  }
  return positions;
}

}  // namespace kirvo
