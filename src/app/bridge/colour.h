#pragma once

#include <QColor>

#include "platform/rgb_colour.h"

namespace kirvo {

// The settings' colours are 0xRRGGBB in memory; the settings files' order (red in the low byte) is
// undone when they are read, so nothing here swaps bytes.
inline QColor ToQColor(Rgb rgb) { return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
inline Rgb ToRgb(const QColor& colour) {
  return (static_cast<Rgb>(colour.red()) << 16) | (static_cast<Rgb>(colour.green()) << 8) |
         static_cast<Rgb>(colour.blue());
}

}  // namespace kirvo
