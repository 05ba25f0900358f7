#pragma once

#include "platform/rgb_colour.h"
#include "settings/sys_colours.h"

namespace kirvo {

// The colours the luck graph is painted in. On screen the background runs from `CP13` at the top to
// `CP12` (flat `CP13` with `GCB`), the legend sits on `CP13` and the texts are `CP14`. On paper the
// background is left white, the legend is white with black texts and the axis labels are black; in
// monochrome the lines are black (the total) and grey (the listed level) and the highlighted
// period's marks white.
struct LuckGraphLook {
  bool background = true;  // false: nothing is painted under the graph
  Rgb background_top = kWhite;
  Rgb background_bottom = kWhite;
  bool gradient = true;
  Rgb legend_fill = kWhite;
  Rgb text = kBlack;
  Rgb total = kBlack;
  Rgb listed = kBlack;
  Rgb highlight = kWhite;
};

LuckGraphLook ScreenLuckGraphLook(const PanelColours& colours, bool fewest_gradient_steps);
LuckGraphLook PrintLuckGraphLook(bool colour);

}  // namespace kirvo
