#include "platform/rgb_colour.h"

namespace kirvo {

Rgb ContrastTextColour(Rgb background) {
  const double red = (background >> 16) & 0xFF;
  const double green = (background >> 8) & 0xFF;
  const double blue = background & 0xFF;
  const int brightness = static_cast<int>((0.299 * red + 0.587 * green + 0.114 * blue) / 256.0 * 100.0);
  return brightness <= 50 ? kWhite : kBlack;
}

}  // namespace kirvo
