#include "app/luck/luck_graph_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cstdlib>

#include "app/bridge/colour.h"
#include "app/bridge/dpi.h"
#include "app/bridge/text.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {

constexpr int kMarkRadiusPx = 3;
constexpr int kLineWidthPx = 2;

}  // namespace

LuckGraphWidget::LuckGraphWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("KChart"));
  setToolTip(QStringLiteral("左上から右下へドラッグすると、グラフ部分が拡大されます。"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumHeight(ScaledPx(*this, 160));
}

void LuckGraphWidget::SetGraph(const LuckGraph& graph) {
  graph_ = graph;
  view_ = WholeLuckGraph(graph_);
  update();
}

void LuckGraphWidget::SetColours(const PanelColours& colours, bool fewest_gradient_steps) {
  colours_ = colours;
  fewest_steps_ = fewest_gradient_steps;
  update();
}

QSize LuckGraphWidget::sizeHint() const { return {ScaledPx(*this, 660), ScaledPx(*this, 260)}; }

LuckGraphLayout LuckGraphWidget::Layout() const {
  return LayOutLuckGraph(graph_, view_, width(), height(), fontMetrics().height());
}

void LuckGraphWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const Rgb top = ColourOf(colours_, PanelColour::kFixedGradientEnd);      // CP13
  const Rgb bottom = ColourOf(colours_, PanelColour::kFixedGradientStart);  // CP12
  if (fewest_steps_) {
    painter.fillRect(rect(), ToQColor(top));
  } else {
    PaintGradient(painter, rect(), top, height(), bottom);
  }
  const LuckGraphLayout layout = Layout();
  PaintAxes(painter, layout);
  painter.save();
  const PixelRect& plot = layout.plot;
  painter.setClipRect(QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom)).adjusted(-4, -4, 4, 4));
  PaintSeries(painter, layout);
  painter.restore();
  PaintLegend(painter, layout);
  if (dragging_ == Qt::LeftButton) {
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(drag_from_, drag_to_).normalized());
  }
}

void LuckGraphWidget::PaintLegend(QPainter& painter, const LuckGraphLayout& layout) {
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.height();
  const QString total = ToQString(graph_.total_title), listed = ToQString(graph_.listed_title);
  const int swatch = 2 * line;
  const int width = 2 * swatch + metrics.horizontalAdvance(total) + metrics.horizontalAdvance(listed) + 5 * line / 2;
  const QRect box((this->width() - width) / 2, layout.plot.top - 2 * line + 1, width, line + 4);
  painter.fillRect(box, ToQColor(ColourOf(colours_, PanelColour::kFixedGradientEnd)));
  painter.setPen(ToQColor(ColourOf(colours_, PanelColour::kFixedText)));
  painter.drawRect(box);
  int x = box.left() + line / 2;
  const int mid = box.center().y();
  for (const auto& [title, colour] : {std::pair{total, kLuckTotalColour}, std::pair{listed, kLuckListedColour}}) {
    painter.setPen(QPen(ToQColor(colour), kLineWidthPx));
    painter.drawLine(x, mid, x + swatch - line / 2, mid);
    x += swatch;
    painter.setPen(ToQColor(ColourOf(colours_, PanelColour::kFixedText)));
    painter.drawText(QRect(x, box.top(), metrics.horizontalAdvance(title) + 2, box.height()), Qt::AlignVCenter, title);
    x += metrics.horizontalAdvance(title) + line;
  }
}

void LuckGraphWidget::PaintAxes(QPainter& painter, const LuckGraphLayout& layout) {
  const PixelRect& plot = layout.plot;
  const QColor text = ToQColor(ColourOf(colours_, PanelColour::kFixedText));
  const QFontMetrics metrics = fontMetrics();
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
    painter.drawText(QRect(0, y - metrics.height() / 2, plot.left - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
  for (std::size_t i = 0; i < graph_.points.size(); ++i) {
    const int x = layout.label_x[i];
    if (x < plot.left - 2 || x > plot.right + 2) continue;
    const QString label = ToQString(graph_.points[i].label);
    const int w = metrics.horizontalAdvance(label) + 4;
    painter.drawText(QRect(x - w / 2, plot.bottom + 2, w, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, label);
  }
  // The axis title, written upwards beside the y labels.
  painter.save();
  painter.translate(metrics.height() / 2 + 2, (plot.top + plot.bottom) / 2);
  painter.rotate(-90);
  const QString title = ToQString(graph_.axis_title);
  painter.drawText(QRect(-metrics.horizontalAdvance(title), -metrics.height() / 2, 2 * metrics.horizontalAdvance(title),
                         metrics.height()),
                   Qt::AlignCenter, title);
  painter.restore();
}

void LuckGraphWidget::PaintSeries(QPainter& painter, const LuckGraphLayout& layout) {
  painter.setRenderHint(QPainter::Antialiasing);
  const auto line = [&](const std::vector<PixelPoint>& points, Rgb colour) {
    painter.setPen(QPen(ToQColor(colour), kLineWidthPx));
    for (std::size_t i = 1; i < points.size(); ++i) painter.drawLine(QPointOf(points[i - 1]), QPointOf(points[i]));
  };
  const auto marks = [&](const std::vector<PixelPoint>& points, Rgb colour) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Rgb fill = graph_.points[i].highlighted ? kLuckHighlightColour : colour;
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(ToQColor(fill));
      painter.drawEllipse(QPointOf(points[i]), kMarkRadiusPx, kMarkRadiusPx);
    }
  };
  line(layout.total, kLuckTotalColour);
  line(layout.listed, kLuckListedColour);
  marks(layout.total, kLuckTotalColour);
  marks(layout.listed, kLuckListedColour);
}

void LuckGraphWidget::mousePressEvent(QMouseEvent* event) {
  dragging_ = event->button();
  drag_from_ = drag_to_ = event->position().toPoint();
}

void LuckGraphWidget::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ == Qt::NoButton) return;
  const QPoint at = event->position().toPoint();
  if (dragging_ == Qt::MiddleButton) {
    view_ = PannedView(view_, Layout(), at.x() - drag_to_.x());
  }
  drag_to_ = at;
  update();
}

void LuckGraphWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    if (at != drag_from_) view_ = DraggedView(graph_, view_, Layout(), {drag_from_.x(), drag_from_.y()}, {at.x(), at.y()});
  }
  dragging_ = Qt::NoButton;
  update();
}

}  // namespace kirvo
