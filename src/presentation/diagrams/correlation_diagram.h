#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rgb_colour.h"
#include "presentation/shared/drawing_geometry.h"

namespace kirvo {

// What the two correlation diagrams (五行相関図, 干支相関図) share: their size rule and the figure a
// window paints, as plain data. Coordinates are pixels of the drawing area.


struct DiagramWindowSize {
  int width = 0;
  int height = 0;
  bool operator==(const DiagramWindowSize&) const = default;
};

// The smallest width a diagram window takes.
inline constexpr int kDiagramMinimumWidth = 160;
// A kept width above this is dropped at creation, so the window opens at the minimum width.
inline constexpr int kDiagramWidestKeptWidth = 500;

// The size rule applied on every size change: `strip` is how much taller than wide the window is
// when its drawing area is square (the strip above the area, and whatever frame the sizes count).
// A width of at most 160 becomes 160 with the height 160 + strip; then a window too wide for its
// height grows in height, any other narrows to its height. Applied again to its own result it
// changes nothing more after one more step (a narrowed window may fall below the minimum).
DiagramWindowSize DiagramSizeRule(DiagramWindowSize size, int strip);

// The width a window takes when its placement has been applied at creation: a width above 500 is
// replaced by 0, which the size rule then turns into the minimum.
int KeptDiagramWidth(int width);

// One mark of a diagram. A dot is a filled circle of radius 3 about `from`; a line runs from `from`
// to `to`; an arrow has its head at `to`, a both-way arrow at both ends.
enum class MarkKind { kDot, kLine, kArrow, kBothWays };

struct DiagramMark {
  MarkKind kind = MarkKind::kLine;
  PixelPoint from;
  PixelPoint to;
  Rgb colour = kBlack;
  bool operator==(const DiagramMark&) const = default;
};

inline constexpr int kDiagramDotRadius = 3;
// Arrow heads of the diagrams: filled, 20 degrees either side, 10 pixels long.
inline constexpr double kDiagramArrowHalfAngle = 20;
inline constexpr double kDiagramArrowSide = 10;

// The circle of the five-element diagram: its bounding box, outline and interior.
struct DiagramCircle {
  PixelRect box;
  Rgb outline = kBlack;
  Rgb interior = kBlack;
  bool operator==(const DiagramCircle&) const = default;
};

// A ring of names written over the picture (drawn by NameRing).
struct DiagramNameRing {
  std::string names;
  int cx = 0;
  int cy = 0;
  NameRingMode mode = NameRingMode::kOneCharacter;
  int radius = 0;
  bool operator==(const DiagramNameRing&) const = default;
};

// A whole picture in painting order: the background over the area, the circle, the marks, then
// the ring of names.
struct CorrelationFigure {
  Rgb background = kBlack;
  std::optional<DiagramCircle> circle;
  std::vector<DiagramMark> marks;
  std::optional<DiagramNameRing> ring;
};

}  // namespace kirvo
