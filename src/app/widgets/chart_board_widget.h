#pragma once

#include <QWidget>
#include <optional>

#include "presentation/chart/chart_board_geometry.h"
#include "presentation/chart/chart_board_look.h"
#include "presentation/chart/chart_cell_hint.h"
#include "presentation/chart/near_term_notice.h"

namespace kirvo {

struct SysSettings;

// The chart board painted cell by cell: gradients, outlines, texts, marks and corner dots, and the
// two relation diagrams. Cells that allow it change colour while the pointer rests on them. It
// shows a chart it does not own; the window hands it a new one after every computation.
class ChartBoardWidget : public QWidget {
  Q_OBJECT

 public:
  ChartBoardWidget(const SysSettings& sys, QWidget* parent = nullptr);

  // The chart and its layout, the hints of the 地星 cells and the notice of a birth near a
  // month-opening term (or none); repaints. `chart`, the hints and the notice must outlive the next
  // ShowChart.
  void ShowChart(const Chart& chart, const BoardGeometry& geometry, const EarthStarHints* earth_star_hints,
                 const std::optional<NearTermNotice>* near_term = nullptr);
  const BoardGeometry& geometry() const { return geometry_; }
  // The scale from board units to pixels of this screen.
  double Scale() const;
  // The cell's rectangle in this widget's pixels.
  QRect CellRectPx(BoardPosition cell) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // A left click on a cell other than the scratch column; `shift` when the Shift key was held.
  void cellClicked(BoardPosition cell, bool shift);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  std::optional<BoardPosition> CellAtPx(QPoint point) const;
  bool CarriesMark(BoardPosition cell) const;
  void SetHovered(std::optional<BoardPosition> cell);

  const SysSettings& sys_;
  const Chart* chart_ = nullptr;
  const EarthStarHints* earth_star_hints_ = nullptr;
  const std::optional<NearTermNotice>* near_term_ = nullptr;
  BoardGeometry geometry_;
  std::optional<BoardPosition> hovered_;
};

}  // namespace kirvo
