#pragma once

#include <QPaintDevice>

namespace kirvo {

// Sizes are designed in pixels at 96 dpi; a screen of higher density scales them so that the
// windows keep their proportions.
inline int ScaledPx(const QPaintDevice& device, int design_px) {
  constexpr int kDesignDpi = 96;
  return design_px * device.logicalDpiY() / kDesignDpi;
}

}  // namespace kirvo
