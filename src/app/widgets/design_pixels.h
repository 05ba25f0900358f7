#pragma once

#include <QWidget>
#include <cmath>

namespace kirvo {

// Sizes of the windows' designs are pixels at 96 dots per inch; on a denser screen they grow by
// the screen's logical resolution so that the windows keep their proportions.
inline int DesignPixels(int pixels_at_96_dpi, const QWidget* on) {
  constexpr double kDesignDpi = 96.0;
  const double dpi = on ? on->logicalDpiX() : kDesignDpi;
  return static_cast<int>(std::lround(pixels_at_96_dpi * dpi / kDesignDpi));
}

}  // namespace kirvo
