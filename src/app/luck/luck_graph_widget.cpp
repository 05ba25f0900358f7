#include "app/luck/luck_graph_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/bridge/dpi.h"
#include "app/widgets/luck_graph_painting.h"

namespace kirvo {

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
  PaintLuckGraph(painter, rect(), graph_, view_, ScreenLuckGraphLook(colours_, fewest_steps_));
  if (dragging_ == Qt::LeftButton) {
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(drag_from_, drag_to_).normalized());
  }
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
