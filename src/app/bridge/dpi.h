#pragma once

#include <QPaintDevice>
#include <cmath>

namespace kirvo {

// The windows are designed in pixels at 96 dots per inch; on a denser screen (or a printer) they
// grow by the device's logical resolution so that they keep their proportions.
inline constexpr double kDesignDpi = 96.0;

// Device pixels per design pixel.
inline double DpiScale(const QPaintDevice& device) { return device.logicalDpiY() / kDesignDpi; }

// A design size in device pixels, to the nearest pixel.
inline int ScaledPx(const QPaintDevice& device, int design_px) {
  return static_cast<int>(std::lround(design_px * DpiScale(device)));
}

}  // namespace kirvo
