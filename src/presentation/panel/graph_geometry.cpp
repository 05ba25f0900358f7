#include "presentation/panel/graph_geometry.h"

#include <algorithm>
#include <cstdint>

#include "platform/shift_jis.h"
#include "settings/sys_colours.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

inline constexpr int kDegreesPerItem = 72;  // five axes round the radar
inline constexpr int kCaptionMarginPx = 2;
inline constexpr int kLabelGapPx = 2;
inline constexpr std::string_view kTenGodCaption = "変通星";
inline constexpr std::size_t kBackground2 = 1;  // `BEd1` "背景２"

// Trunc(part / whole · scale) in whole numbers, so that an exact quotient is never cut one short.
int TruncatedShare(std::int64_t part, std::int64_t whole, std::int64_t scale) {
  return static_cast<int>(part * scale / whole);
}

}  // namespace

GraphComponent TenGodGraphComponent(const SysSettings& sys) {
  GraphComponent component;
  component.kind = GraphKind::kRadar;
  component.labels = sys.names.ten_god_groups;
  component.first_colour = kWhite;
  component.second_colour = ColourOf(sys.CP, PanelColour::kSelection);
  component.label_colour = component.second_colour;
  component.background = sys.backgrounds[kBackground2];
  return component;
}

GraphComponent ElementGraphComponent(const SysSettings& sys) {
  GraphComponent component;
  component.kind = GraphKind::kCircle;
  component.background = sys.backgrounds[kBackground2];
  return component;
}

void ShowTenGodGraph(GraphComponent& component, const TenGodGraph& graph) {
  component.values = graph.values;
  component.parts = graph.parts;
  component.caption = kTenGodCaption;
  component.has_figure = true;
}

void ShowElementGraph(GraphComponent& component, const std::optional<ElementGraph>& graph) {
  component.has_figure = graph.has_value();
  if (!graph) return;
  component.values = graph->values;
  component.item_colours = graph->colours;
  component.caption = graph->caption;
}

PixelPoint CaptionPlace(int graph_width, int caption_width) {
  return {graph_width - caption_width - kCaptionMarginPx, kCaptionMarginPx};
}

RadarGeometry RadarGeometryOf(int width, int height, const GraphNumbers& values, const GraphNumbers& parts,
                              const std::array<std::string, kGraphItems>& labels, int font_points) {
  RadarGeometry radar;
  const int m = std::max(0, std::min(width, height));
  radar.centre = {width / 2, height / 2};
  radar.radius = (m - 2 * (m / 40)) / 2;
  const double cx = radar.centre.x, cy = radar.centre.y;
  const auto axis_angle = [](std::size_t item) { return static_cast<double>(kDegreesPerItem * item); };

  const int largest = *std::max_element(values.begin(), values.end());
  if (largest > 0) {
    const auto polygon = [&](const GraphNumbers& numbers) {
      std::array<PixelPoint, kGraphItems> vertices{};
      for (std::size_t j = 0; j < kGraphItems; ++j) {
        const int reach = std::max(0, TruncatedShare(numbers[j], largest, radar.radius));
        vertices[j] = PointOnCircle(cx, cy, reach, axis_angle(j));
      }
      return vertices;
    };
    radar.value_polygon = polygon(values);
    radar.part_polygon = polygon(parts);
  }

  const int s = font_points;
  for (std::size_t n = 0; n < kGraphItems; ++n) {
    const PixelPoint end = PointOnCircle(cx, cy, radar.radius, axis_angle(n));
    radar.axis_ends[n] = end;
    const int length = ShiftJisWidth(labels[n]);
    PixelPoint place{end.x - s / 2, n == 0 ? end.y : end.y - s / 2};
    if (n == 0) {
      place.x -= (3 * length * s) / 2 + kLabelGapPx;
    } else if (n == 1 || n == 2) {
      place.x += s;
    } else {
      place.x -= (length * s) / 2 + kLabelGapPx;
    }
    radar.label_places[n] = place;
  }
  return radar;
}

CircleGeometry CircleGeometryOf(int width, int height, const GraphNumbers& values) {
  CircleGeometry circle;
  const int m = std::max(0, std::min(width, height));
  circle.centre = {width / 2, height / 2};
  circle.radius = (m - 2 * (m / 80)) / 2;

  std::array<std::int64_t, kGraphItems> sums{};
  std::int64_t total = 0;
  for (std::size_t j = 0; j < kGraphItems; ++j) sums[j] = total += values[j];
  // Without a total there is no share to draw: every boundary stays at the top.
  const bool drawable = total > 0;
  circle.offset = drawable ? TruncatedShare(sums[0], total, 180) : 0;
  for (std::size_t j = 0; j < kGraphItems; ++j) {
    circle.boundary_angles[j] = drawable ? TruncatedShare(sums[j], total, 360) - circle.offset : 0;
    circle.boundaries[j] = PointOnCircle(circle.centre.x, circle.centre.y, circle.radius, circle.boundary_angles[j]);
  }
  if (!drawable) return circle;

  for (std::size_t d = 0; d < kGraphItems; ++d) {
    if (values[d] == 0) continue;
    // Item 0 runs from the last boundary, one turn back, across the top.
    const int start = d == 0 ? circle.boundary_angles[kGraphItems - 1] - 360 : circle.boundary_angles[d - 1];
    const int span = circle.boundary_angles[d] - start;
    // A share below a degree has no width to fill.
    if (span > 0) circle.sectors.push_back({d, start, span});
  }
  return circle;
}

}  // namespace kirvo
