#pragma once

#include <string>
#include <vector>

#include "platform/rgb_colour.h"
#include "presentation/luck/luck_table.h"
#include "presentation/shared/drawing_geometry.h"

namespace kirvo {

// The luck window's line graph of favour degrees (吉度数), as data: two lines over the period
// columns that have both favour rows, the total (row 5) and the listed level (row 4), each with
// its point marks, the highlighted period's marks in yellow. A window paints exactly this.

inline constexpr Rgb kLuckTotalColour = 0xFF00FF;      // fuchsia
inline constexpr Rgb kLuckListedColour = 0x00FFFF;     // aqua
inline constexpr Rgb kLuckHighlightColour = 0xFFFF00;  // yellow
inline constexpr int kLuckGraphTop = 100, kLuckGraphStep = 10;  // the y axis: 0..100 in steps of 10

struct LuckGraphPoint {
  int column = 0;  // the table column
  std::string label;
  double total = 0;   // 上下：計
  double listed = 0;  // the listed level's favour degree
  bool highlighted = false;
  bool operator==(const LuckGraphPoint&) const = default;
};

struct LuckGraph {
  std::string total_title;   // the level pair's caption, "大運＋命式"
  std::string listed_title;  // its first two characters, "大運"
  std::string axis_title = "吉度数";
  std::vector<LuckGraphPoint> points;
  bool operator==(const LuckGraph&) const = default;
};

// The x label of a period column by level: the age up to "歳" (decades), the year up to "年"
// (years), row 0 (months), the day up to "日" (days), row 1 (double-hours).
std::string LuckXLabel(const LuckTable& table, int column);
LuckGraph LuckGraphOf(const LuckTable& table);

// What part of the graph is shown: x in point positions (point i at x = i), y in favour degrees.
struct LuckGraphView {
  double x_first = -0.5, x_last = 0.5;
  double y_low = 0, y_high = kLuckGraphTop;
  bool operator==(const LuckGraphView&) const = default;
};
// Every point, the y axis from 0 to 100.
LuckGraphView WholeLuckGraph(const LuckGraph& graph);

// Where everything goes on a graph of `width` × `height` pixels with the given text height.
struct LuckGraphLayout {
  PixelRect plot;                       // the area inside the axes
  std::vector<PixelPoint> total;        // one per point
  std::vector<PixelPoint> listed;
  std::vector<int> label_x;             // the centre of each point's x label
  std::vector<std::pair<int, int>> y_ticks;  // pixel y, value; the ticks inside the view
};
LuckGraphLayout LayOutLuckGraph(const LuckGraph& graph, const LuckGraphView& view, int width, int height,
                                int text_height);

// A drag over the plot from `from` to `to`: from top left to bottom right it zooms into the
// rectangle; any other way it shows the whole graph again.
LuckGraphView DraggedView(const LuckGraph& graph, const LuckGraphView& view, const LuckGraphLayout& layout,
                          PixelPoint from, PixelPoint to);
// Horizontal panning by `dx` pixels (to the right shows earlier periods).
LuckGraphView PannedView(const LuckGraphView& view, const LuckGraphLayout& layout, int dx);

}  // namespace kirvo
