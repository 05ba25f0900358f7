#pragma once

#include <array>
#include <string_view>

#include "presentation/diagrams/correlation_diagram.h"
#include "settings/sys_colours.h"

namespace kirvo {

// The stem-branch diagram (干支相関図): the ten stems or the twelve branches on a ring, with one
// kind of relation among them drawn at a time.

// clang-format off
inline constexpr std::array<std::string_view, 9> kStemBranchItems = {
    "合（干）", "剋（干）", "合（支）", "冲（支）", "方合（支）", "三合（支）", "刑（支）", "害（支）", "破（支）"};
// clang-format on

// The font size of the drawing area, in points: a twelfth of its width (the size of the ring).
int StemBranchFontPoints(int area_width);

// The picture of `item` on a drawing area `area_height` high (the ring and the relations are laid
// out about the centre of its square); `glyph_height` is the height of "甲" in the area's font,
// which keeps the relation lines inside the ring of names.
CorrelationFigure StemBranchFigure(int item, int area_height, int glyph_height, const PanelColours& colours);

}  // namespace kirvo
