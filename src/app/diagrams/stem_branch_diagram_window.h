#pragma once

#include "app/diagrams/correlation_diagram_window.h"

namespace kirvo {

// The stem-branch diagram `TSouKsF` ("干支相関図"): the ten stems or twelve branches on a ring with
// one kind of relation among them.
class StemBranchDiagramWindow final : public CorrelationDiagramWindow {
  Q_OBJECT

 public:
  StemBranchDiagramWindow(const SysSettings& sys, std::function<void(HelpTopic)> show_help, QWidget* parent = nullptr);

 protected:
  void PaintDrawing(QPainter& painter, const QRect& area) override;
  void changeEvent(QEvent* event) override;
};

}  // namespace kirvo
