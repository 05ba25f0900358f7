#pragma once

#include <vector>

#include "app/diagrams/correlation_diagram_window.h"
#include "presentation/diagrams/five_element_diagram.h"

namespace kirvo {

// The five-element diagram `TSouGoF` ("五行相関図"): five labels round a circle with the
// production and control cycles, or the ring of the twelve stages.
class FiveElementDiagramWindow final : public CorrelationDiagramWindow {
  Q_OBJECT

 public:
  FiveElementDiagramWindow(const SysSettings& sys, std::function<void(HelpTopic)> show_help, QWidget* parent = nullptr);

  // The labels as last laid out; none for the stages.
  const std::vector<DiagramLabel>& Labels() const { return labels_; }

 protected:
  void PaintDrawing(QPainter& painter, const QRect& area) override;
  void LayOut() override;

 private:
  std::vector<DiagramLabel> labels_;
};

}  // namespace kirvo
