#pragma once

#include "app/diagrams/correlation_diagram_window.h"

namespace kirvo {

// The stem-branch diagram `TSouKsF` ("干支相関図"): the ten stems or twelve branches on a ring with
// one kind of relation among them. Its placement is kept in the per-user store as a window
// placement record.
class StemBranchDiagramWindow final : public CorrelationDiagramWindow {
  Q_OBJECT

 public:
  explicit StemBranchDiagramWindow(AppServices& services, QWidget* parent = nullptr);
  // Writes the placement.
  ~StemBranchDiagramWindow() override;

 protected:
  void PaintDrawing(QPainter& painter, const QRect& area) override;
  void changeEvent(QEvent* event) override;

 private:
  void RestorePlacement();
  void SavePlacement();
};

}  // namespace kirvo
