#pragma once

#include <QPixmap>
#include <QWidget>

#include "presentation/panel/graph_geometry.h"

namespace kirvo {

// One small graph of the side panel, the ten-god radar or the five-element circle, painted from
// the geometry the core computes for the widget's size. A left click is reported (the
// five-element graph switches its mode on it).
class ChartGraphWidget final : public QWidget {
  Q_OBJECT

 public:
  explicit ChartGraphWidget(GraphKind kind, QWidget* parent = nullptr);

  // What the graph shows and how; repaints.
  void SetComponent(const GraphComponent& component);
  const GraphComponent& Component() const { return component_; }

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PaintBackground(QPainter& painter);
  void PaintCaption(QPainter& painter);
  void PaintRadar(QPainter& painter);
  void PaintCircle(QPainter& painter);

  GraphComponent component_;
  QPixmap background_;  // the tile of the component's background picture; null for none
  bool background_loaded_ = false;
  bool pressed_ = false;
};

}  // namespace kirvo
