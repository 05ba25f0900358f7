#pragma once

#include <vector>

#include "app/diagrams/correlation_diagram_window.h"
#include "presentation/diagrams/five_element_diagram.h"

namespace kirvo {

// The five-element diagram `TSouGoF` ("五行相関図"): five labels round a circle with the
// production and control cycles, or the ring of the twelve stages. Its placement is kept in the
// section "SouGoF" of KIRVO.ini.
class FiveElementDiagramWindow final : public CorrelationDiagramWindow {
  Q_OBJECT

 public:
  explicit FiveElementDiagramWindow(AppServices& services, QWidget* parent = nullptr);
  // Writes the placement.
  ~FiveElementDiagramWindow() override;

  // The labels as last laid out; none for the stages.
  const std::vector<DiagramLabel>& Labels() const { return labels_; }

 protected:
  void PaintDrawing(QPainter& painter, const QRect& area) override;
  void LayOut() override;

 private:
  void RestorePlacement();
  void SavePlacement();

  std::vector<DiagramLabel> labels_;
};

}  // namespace kirvo
