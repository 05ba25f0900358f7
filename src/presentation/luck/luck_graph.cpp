#include "presentation/luck/luck_graph.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "platform/utf8.h"

namespace kirvo {
namespace {

// Margins around the plot, in pixels: room for the legend above, the y labels and axis title to
// the left, the x labels below.
constexpr int kSideMargin = 8;

std::optional<double> NumberOf(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || rest != end) return std::nullopt;
  return value;
}

// The text up to and including `mark`, or the whole text without it.
std::string UpTo(const std::string& text, std::string_view mark) {
  const std::size_t at = text.find(mark);
  return at == std::string::npos ? text : text.substr(0, at + mark.size());
}

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(std::string_view text, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count && end < text.size(); ++i) {
    const Utf8Char c = DecodeUtf8Char(text, end);
    end += c.valid ? c.length : 1;
  }
  return std::string(text.substr(0, end));
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

std::string LuckXLabel(const LuckTable& table, int column) {
  const auto cell = [&](int row) -> const std::string& {
    return table.KSG.Cell(static_cast<std::size_t>(column), static_cast<std::size_t>(row));
  };
  switch (table.level) {
    case LuckLevel::kMajor:
      return UpTo(cell(luck_row::kAge), "歳");
    case LuckLevel::kYear:
      return UpTo(cell(luck_row::kYearMonth), "年");
    case LuckLevel::kMonth:
      return cell(luck_row::kYearMonth);
    case LuckLevel::kDay:
      return UpTo(cell(luck_row::kDayHour), "日");
    case LuckLevel::kHour:
      return cell(luck_row::kDayHour);
  }
  return {};
}

LuckGraph LuckGraphOf(const LuckTable& table) {
  LuckGraph graph;
  const LuckLevelRow& level = LuckLevelRowOf(table.level);
  graph.total_title = std::string(level.caption);
  graph.listed_title = FirstCharacters(level.caption, 2);
  for (int column = 1; column < static_cast<int>(table.KSG.columns()); ++column) {
    const auto c = static_cast<std::size_t>(column);
    if (table.KSG.Cell(c, luck_row::kBaseFavour).empty() || table.KSG.Cell(c, luck_row::kListedFavour).empty()) {
      continue;
    }
    LuckGraphPoint point;
    point.column = column;
    point.label = LuckXLabel(table, column);
    point.total = NumberOf(table.KSG.Cell(c, luck_row::kTotal)).value_or(0);
    point.listed = NumberOf(table.KSG.Cell(c, luck_row::kListedFavour)).value_or(0);
    point.highlighted = column == table.highlighted;
    graph.points.push_back(std::move(point));
  }
  return graph;
}

LuckGraphView WholeLuckGraph(const LuckGraph& graph) {
  LuckGraphView view;
  view.x_first = -0.5;
  view.x_last = std::max<double>(0.5, static_cast<double>(graph.points.size()) - 0.5);
  return view;
}

LuckGraphLayout LayOutLuckGraph(const LuckGraph& graph, const LuckGraphView& view, int width, int height,
                                int text_height) {
  LuckGraphLayout layout;
  // The legend line above, the x labels below; the y labels ("100") and the vertical axis title
  // to the left.
  layout.plot = {kSideMargin + 3 * text_height, 2 * text_height + kSideMargin, width - kSideMargin,
                 height - 2 * text_height};
  PixelRect& plot = layout.plot;
  plot.right = std::max(plot.right, plot.left + 1);
  plot.bottom = std::max(plot.bottom, plot.top + 1);
  const double x_span = std::max(1e-9, view.x_last - view.x_first);
  const double y_span = std::max(1e-9, view.y_high - view.y_low);
  const auto x_of = [&](double x) { return plot.left + Round((x - view.x_first) / x_span * (plot.right - plot.left)); };
  const auto y_of = [&](double y) { return plot.bottom - Round((y - view.y_low) / y_span * (plot.bottom - plot.top)); };
  for (std::size_t i = 0; i < graph.points.size(); ++i) {
    const int x = x_of(static_cast<double>(i));
    layout.label_x.push_back(x);
    layout.total.push_back({x, y_of(graph.points[i].total)});
    layout.listed.push_back({x, y_of(graph.points[i].listed)});
  }
  for (int value = 0; value <= kLuckGraphTop; value += kLuckGraphStep) {
    if (value >= view.y_low - 1e-9 && value <= view.y_high + 1e-9) layout.y_ticks.emplace_back(y_of(value), value);
  }
  return layout;
}

LuckGraphView DraggedView(const LuckGraph& graph, const LuckGraphView& view, const LuckGraphLayout& layout,
                          PixelPoint from, PixelPoint to) {
  if (to.x <= from.x || to.y <= from.y) return WholeLuckGraph(graph);
  const PixelRect& plot = layout.plot;
  const double x_per_pixel = (view.x_last - view.x_first) / std::max(1, plot.right - plot.left);
  const double y_per_pixel = (view.y_high - view.y_low) / std::max(1, plot.bottom - plot.top);
  LuckGraphView zoomed;
  zoomed.x_first = view.x_first + (from.x - plot.left) * x_per_pixel;
  zoomed.x_last = view.x_first + (to.x - plot.left) * x_per_pixel;
  zoomed.y_high = view.y_high - (from.y - plot.top) * y_per_pixel;
  zoomed.y_low = view.y_high - (to.y - plot.top) * y_per_pixel;
  return zoomed;
}

LuckGraphView PannedView(const LuckGraphView& view, const LuckGraphLayout& layout, int dx) {
  const double x_per_pixel = (view.x_last - view.x_first) / std::max(1, layout.plot.right - layout.plot.left);
  LuckGraphView panned = view;
  panned.x_first -= dx * x_per_pixel;
  panned.x_last -= dx * x_per_pixel;
  return panned;
}

}  // namespace kirvo
