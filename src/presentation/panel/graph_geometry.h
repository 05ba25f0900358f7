#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/rgb_colour.h"
#include "presentation/shared/drawing_geometry.h"
#include "presentation/panel/element_graph.h"
#include "presentation/panel/ten_god_graph.h"
#include "settings/sys_background.h"

namespace kirvo {

struct SysSettings;

// The two small graphs of the side panel as data: what each shows and where every line, polygon,
// sector and text goes on a graph of a given size. A window paints exactly these.

inline constexpr std::size_t kGraphItems = 5;
using GraphNumbers = std::array<int, kGraphItems>;

enum class GraphKind { kRadar, kCircle };

// One graph: its items, captions and colours. The member defaults are those of a graph the system
// settings have not touched.
struct GraphComponent {
  GraphKind kind = GraphKind::kRadar;
  bool has_figure = false;  // false before a chart is shown: only the background is drawn
  GraphNumbers values = {5, 5, 5, 5, 5};
  GraphNumbers parts = {3, 3, 3, 3, 3};  // the inner polygon of the radar
  std::array<std::string, kGraphItems> labels = {"Item0", "Item1", "Item2", "Item3", "Item4"};
  std::array<Rgb, kGraphItems> item_colours = {0x00FF00, 0xFF0000, 0x800000, 0xFFFF00, 0x00FFFF};
  std::string caption;
  Rgb first_colour = kWhite;     // the value polygon and its spokes
  Rgb second_colour = 0xC0C0C0;  // the part polygon
  Rgb label_colour = 0xC0C0C0;
  Rgb caption_colour = kWhite;
  BackgroundPicture background{BackgroundPicture::Kind::kNone, {}};
};

// The graphs as the system settings give them: the ten-god graph `HChart` (radar) with the group
// names of `HGSG` as labels, white values and parts and labels in the selection colour `CP11`; the
// five-element graph `GChart` (circle). Both on background picture 2 (背景２).
GraphComponent TenGodGraphComponent(const SysSettings& sys);
GraphComponent ElementGraphComponent(const SysSettings& sys);

// A chart's graphs into the components. An element graph of nothing (the table not filled yet)
// leaves only the background.
void ShowTenGodGraph(GraphComponent& component, const TenGodGraph& graph);
void ShowElementGraph(GraphComponent& component, const std::optional<ElementGraph>& graph);

// Where the caption goes: its top-left corner, 2 pixels from the top right corner.
PixelPoint CaptionPlace(int graph_width, int caption_width);

// The radar on a graph of `width` × `height` pixels. Radius R = (m − 2·(m div 40)) div 2 with m the
// smaller side, about the centre (W div 2, H div 2); axis n points 72·n degrees clockwise from the
// top. Vertex j of a polygon lies Trunc(value j / M · R) out on axis j, M the largest value; with
// M ≤ 0 there are no polygons. A negative value stays at the centre.
struct RadarGeometry {
  PixelPoint centre;
  int radius = 0;
  std::optional<std::array<PixelPoint, kGraphItems>> value_polygon;
  std::optional<std::array<PixelPoint, kGraphItems>> part_polygon;
  std::array<PixelPoint, kGraphItems> axis_ends{};
  // The top-left corner of each label, moved off its axis end by the font size `font_points` and
  // the label's width in Shift-JIS bytes: the top label to the left, the right-hand labels to the
  // right and the left-hand labels to the left.
  std::array<PixelPoint, kGraphItems> label_places{};
};
RadarGeometry RadarGeometryOf(int width, int height, const GraphNumbers& values, const GraphNumbers& parts,
                              const std::array<std::string, kGraphItems>& labels, int font_points);

// One sector of the circle: item `item` from `start_angle` clockwise over `span` degrees (0 at the
// top, clockwise).
struct PieSector {
  std::size_t item = 0;
  int start_angle = 0;
  int span = 0;
  bool operator==(const PieSector&) const = default;
};

// The circle on a graph of `width` × `height` pixels: radius r = (m − 2·(m div 80)) div 2 about the
// centre. With T the sum of the values and S0 … S4 the running sums, boundary j lies at
// Trunc(Sj / T · 360) − o degrees, o = Trunc(S0 / T · 180), so that item 0 is centred at the top and
// the others follow clockwise. Item d runs from boundary d − 1 (boundary 4 for item 0) to boundary
// d; items of value 0 get no sector. With T = 0 every boundary is at the top and there is no sector.
struct CircleGeometry {
  PixelPoint centre;
  int radius = 0;
  int offset = 0;  // o, degrees
  std::array<int, kGraphItems> boundary_angles{};
  std::array<PixelPoint, kGraphItems> boundaries{};
  std::vector<PieSector> sectors;
};
CircleGeometry CircleGeometryOf(int width, int height, const GraphNumbers& values);

}  // namespace kirvo
