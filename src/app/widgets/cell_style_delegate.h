#pragma once

#include <QFont>
#include <QStyledItemDelegate>

namespace kirvo {

// Paints the cells of a ContentGridModel as their styles say: label cells in the shared label
// drawing, the others in their colours and alignment, a cell's own font size where it has one,
// and nothing at all for a cell the branding hides. Other models paint as usual.
class CellStyleDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit CellStyleDelegate(QObject* parent = nullptr);

  // Label gradients in 3 steps instead of one per pixel (the system setting `GCB`).
  void SetFewestGradientSteps(bool fewest) { fewest_steps_ = fewest; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  bool fewest_steps_ = false;
};

}  // namespace kirvo
