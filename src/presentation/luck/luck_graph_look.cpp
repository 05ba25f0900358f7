#include "presentation/luck/luck_graph_look.h"

#include "presentation/luck/luck_graph.h"

namespace kirvo {
namespace {

constexpr Rgb kGrey = 0x808080;

}  // namespace

LuckGraphLook ScreenLuckGraphLook(const PanelColours& colours, bool fewest_gradient_steps) {
  LuckGraphLook look;
  look.background_top = ColourOf(colours, PanelColour::kFixedGradientEnd);       // CP13
  look.background_bottom = ColourOf(colours, PanelColour::kFixedGradientStart);  // CP12
  look.gradient = !fewest_gradient_steps;
  look.legend_fill = ColourOf(colours, PanelColour::kFixedGradientEnd);
  look.text = ColourOf(colours, PanelColour::kFixedText);
  look.total = kLuckTotalColour;
  look.listed = kLuckListedColour;
  look.highlight = kLuckHighlightColour;
  return look;
}

LuckGraphLook PrintLuckGraphLook(bool colour) {
  LuckGraphLook look;
  look.background = false;
  look.gradient = false;
  look.total = colour ? kLuckTotalColour : kBlack;
  look.listed = colour ? kLuckListedColour : kGrey;
  look.highlight = colour ? kLuckHighlightColour : kWhite;
  return look;
}

}  // namespace kirvo
