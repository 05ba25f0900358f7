#pragma once

#include <string>
#include <vector>

#include "engine/chart.h"
#include "presentation/shared/drawing_geometry.h"

namespace kirvo {

// The relation diagrams of the chart board (干図 in row 11 from the stem relations, 支図 in row 19
// from the branch relations). Each relation entry is a short text: pillar numbers A, B and C ("0"
// for none), the kind digit, then for branches a mark character in the sixth place, and "1" in the
// seventh to draw the entry inverted. Kinds: 0 circles joined by a line, 1 an arrow up at A and
// down at B, 2 arrows down, 3 arrows up, 5 diamonds, 6 squares; others draw nothing.

struct DiagramShape {
  enum class Kind { kLine, kEllipse, kPolygon, kText };
  Kind kind = Kind::kLine;
  std::vector<PixelPoint> points;  // line: two ends; polygon: its corners (outlined, not filled)
  PixelRect box;                   // ellipse: its bounds; text: its top-left corner
  std::string text;
  bool inverse = false;            // drawn in the contrast of the line colour
};

// The shapes of one diagram, relative to the diagram's top-left corner, for pillar cells
// `pillar_width` wide at `range`.
std::vector<DiagramShape> RelationDiagramShapes(const RelationList& entries, int pillar_width, LuckRange range,
                                                bool branch_diagram);

// The x centre of pillar number 1..9 in the diagram.
int DiagramPillarCentre(int pillar_number, int pillar_width, LuckRange range);

inline constexpr int kDiagramMarkPoints = 7;
inline constexpr double kDiagramArrowHalfAngle = 35;

}  // namespace kirvo
