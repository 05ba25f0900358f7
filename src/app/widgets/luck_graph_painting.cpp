#include "app/widgets/luck_graph_painting.h"

#include <QPainter>
#include <cstdlib>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {

constexpr int kMarkRadiusPx = 3;
constexpr int kLineWidthPx = 2;

void PaintLegend(QPainter& painter, const QRect& area, const LuckGraph& graph, const LuckGraphLayout& layout,
                 const LuckGraphLook& look) {
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height();
  const QString total = ToQString(graph.total_title), listed = ToQString(graph.listed_title);
  const int swatch = 2 * line;
  const int width = 2 * swatch + metrics.horizontalAdvance(total) + metrics.horizontalAdvance(listed) + 5 * line / 2;
  const QRect box(area.left() + (area.width() - width) / 2, layout.plot.top - 2 * line + 1, width, line + 4);
  painter.fillRect(box, ToQColor(look.legend_fill));
  painter.setPen(ToQColor(look.text));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
  int x = box.left() + line / 2;
  const int mid = box.center().y();
  for (const auto& [title, colour] : {std::pair{total, look.total}, std::pair{listed, look.listed}}) {
    painter.setPen(QPen(ToQColor(colour), kLineWidthPx));
    painter.drawLine(x, mid, x + swatch - line / 2, mid);
    x += swatch;
    painter.setPen(ToQColor(look.text));
    painter.drawText(QRect(x, box.top(), metrics.horizontalAdvance(title) + 2, box.height()), Qt::AlignVCenter, title);
    x += metrics.horizontalAdvance(title) + line;
  }
}

void PaintAxes(QPainter& painter, const QRect& area, const LuckGraph& graph, const LuckGraphLayout& layout,
               const LuckGraphLook& look) {
  const PixelRect& plot = layout.plot;
  const QColor text = ToQColor(look.text);
  const QFontMetrics metrics = painter.fontMetrics();
  painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine));
  for (const auto& [y, value] : layout.y_ticks) painter.drawLine(plot.left, y, plot.right, y);
  painter.setPen(text);
  painter.drawLine(plot.left, plot.top, plot.left, plot.bottom);
  painter.drawLine(plot.left, plot.bottom, plot.right, plot.bottom);
  // Every tick is labelled where the labels have room, else every second or fifth.
  const int spacing = layout.y_ticks.size() > 1 ? std::abs(layout.y_ticks[0].first - layout.y_ticks[1].first) : 0;
  const int every = spacing >= metrics.height() ? 1 : 2 * spacing >= metrics.height() ? 2 : 5;
  for (const auto& [y, value] : layout.y_ticks) {
    if ((value / kLuckGraphStep) % every != 0) continue;
    const QString label = QString::number(value);
    painter.drawText(QRect(area.left(), y - metrics.height() / 2, plot.left - 4 - area.left(), metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
  for (std::size_t i = 0; i < graph.points.size(); ++i) {
    const int x = layout.label_x[i];
    if (x < plot.left - 2 || x > plot.right + 2) continue;
    const QString label = ToQString(graph.points[i].label);
    const int w = metrics.horizontalAdvance(label) + 4;
    painter.drawText(QRect(x - w / 2, plot.bottom + 2, w, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, label);
  }
  // The axis title, written upwards beside the y labels.
  painter.save();
  painter.translate(area.left() + metrics.height() / 2 + 2, (plot.top + plot.bottom) / 2);
  painter.rotate(-90);
  const QString title = ToQString(graph.axis_title);
  painter.drawText(QRect(-metrics.horizontalAdvance(title), -metrics.height() / 2, 2 * metrics.horizontalAdvance(title),
                         metrics.height()),
                   Qt::AlignCenter, title);
  painter.restore();
}

void PaintSeries(QPainter& painter, const LuckGraph& graph, const LuckGraphLayout& layout, const LuckGraphLook& look) {
  painter.setRenderHint(QPainter::Antialiasing);
  const auto line = [&](const std::vector<PixelPoint>& points, Rgb colour) {
    painter.setPen(QPen(ToQColor(colour), kLineWidthPx));
    for (std::size_t i = 1; i < points.size(); ++i) painter.drawLine(QPointOf(points[i - 1]), QPointOf(points[i]));
  };
  const auto marks = [&](const std::vector<PixelPoint>& points, Rgb colour) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Rgb fill = graph.points[i].highlighted ? look.highlight : colour;
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(ToQColor(fill));
      painter.drawEllipse(QPointOf(points[i]), kMarkRadiusPx, kMarkRadiusPx);
    }
  };
  line(layout.total, look.total);
  line(layout.listed, look.listed);
  marks(layout.total, look.total);
  marks(layout.listed, look.listed);
}

}  // namespace

LuckGraphLayout LuckGraphLayoutIn(const QPainter& painter, const QRect& area, const LuckGraph& graph,
                                  const LuckGraphView& view) {
  LuckGraphLayout layout = LayOutLuckGraph(graph, view, area.width(), area.height(), painter.fontMetrics().height());
  // The core lays the graph out from (0, 0); the area may stand anywhere.
  const auto shift = [&](PixelPoint& point) {
    point.x += area.left();
    point.y += area.top();
  };
  layout.plot = {layout.plot.left + area.left(), layout.plot.top + area.top(), layout.plot.right + area.left(),
                 layout.plot.bottom + area.top()};
  for (PixelPoint& point : layout.total) shift(point);
  for (PixelPoint& point : layout.listed) shift(point);
  for (int& x : layout.label_x) x += area.left();
  for (auto& tick : layout.y_ticks) tick.first += area.top();
  return layout;
}

void PaintLuckGraph(QPainter& painter, const QRect& area, const LuckGraph& graph, const LuckGraphView& view,
                    const LuckGraphLook& look) {
  painter.save();
  if (look.background) {
    if (look.gradient) {
      PaintGradient(painter, area, look.background_top, area.height(), look.background_bottom);
    } else {
      painter.fillRect(area, ToQColor(look.background_top));
    }
  }
  const LuckGraphLayout layout = LuckGraphLayoutIn(painter, area, graph, view);
  PaintAxes(painter, area, graph, layout, look);
  painter.save();
  const PixelRect& plot = layout.plot;
  painter.setClipRect(QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom)).adjusted(-4, -4, 4, 4));
  PaintSeries(painter, graph, layout, look);
  painter.restore();
  PaintLegend(painter, area, graph, layout, look);
  painter.restore();
}

}  // namespace kirvo
