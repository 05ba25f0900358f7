#pragma once

#include <QPoint>
#include <QWidget>

#include "presentation/luck/luck_graph.h"
#include "settings/sys_colours.h"

namespace kirvo {

// The luck window's line graph, painted (by the painting its print shares) from the core's graph and layout: the background shaded
// from `CP13` to `CP12` (flat `CP13` with `GCB`), the legend on top, the y axis 吉度数 from 0 to
// 100, one x label per period, the total and the listed lines with their point marks. A drag with
// the left button from top left to bottom right zooms in (any other drag shows it all again); a
// drag with the middle button pans sideways (the right button opens the window's menu).
class LuckGraphWidget final : public QWidget {
  Q_OBJECT

 public:
  explicit LuckGraphWidget(QWidget* parent = nullptr);

  // What the graph shows, seen whole; repaints.
  void SetGraph(const LuckGraph& graph);
  const LuckGraph& Graph() const { return graph_; }
  const LuckGraphView& View() const { return view_; }
  void SetColours(const PanelColours& colours, bool fewest_gradient_steps);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  LuckGraphLayout Layout() const;

  LuckGraph graph_;
  LuckGraphView view_;
  PanelColours colours_{};
  bool fewest_steps_ = false;
  Qt::MouseButton dragging_ = Qt::NoButton;
  QPoint drag_from_;
  QPoint drag_to_;
};

}  // namespace kirvo
