#include "settings/sys_colours.h"

namespace kirvo {

PanelColours LightDefaultColours() {
  PanelColours colours{};
  for (std::size_t i = 0; i < kPanelColourCount; ++i) colours[i] = kPanelColourRows[i].light;
  return colours;
}

PanelColours DarkDefaultColours() {
  PanelColours colours{};
  for (std::size_t i = 0; i < kPanelColourCount; ++i) colours[i] = kPanelColourRows[i].dark;
  return colours;
}

Rgb ElementColour(const PanelColours& colours, Element element) {
  return element >= 0 && element < 5 ? colours[static_cast<std::size_t>(element)] : kWhite;
}

}  // namespace kirvo
