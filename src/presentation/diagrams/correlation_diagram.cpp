#include "presentation/diagrams/correlation_diagram.h"

namespace kirvo {

DiagramWindowSize DiagramSizeRule(DiagramWindowSize size, int strip) {
  if (size.width <= kDiagramMinimumWidth) {
    size.width = kDiagramMinimumWidth;
    size.height = kDiagramMinimumWidth + strip;
  }
  // The drawing area below the strip stays square: the width leads when the window is too wide for
  // its height, the height otherwise.
  if (size.height + strip < size.width) {
    size.height = size.width + strip;
  } else {
    size.width = size.height - strip;
  }
  return size;
}

int KeptDiagramWidth(int width) { return width > kDiagramWidestKeptWidth ? 0 : width; }

}  // namespace kirvo
