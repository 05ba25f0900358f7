#pragma once

#include <QTableView>
#include <vector>

namespace kirvo {

class CellStyleDelegate;
class ContentGridModel;

// A fixed grid of the chart content: no headers and no scrolling, one fixed row height, as tall as
// its rows. Column widths are the grid's own (0 hides a column), else `design_widths`, else the
// default column width, in pixels at 96 dpi; with `fill_width` the columns share the view's width
// in those proportions, else they take them scaled to the screen. Presses are reported with their
// cell, outside the cells as (−1, −1).
class ContentGridView final : public QTableView {
  Q_OBJECT

 public:
  ContentGridView(ContentGridModel& model, CellStyleDelegate& delegate, int row_height_px, bool fill_width,
                  std::vector<int> design_widths = {}, QWidget* parent = nullptr);

  // Lays out columns and height for the model's grid as it stands now.
  void UpdateLayout();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void CellPressed(int column, int row, Qt::MouseButton button);

 protected:
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int DesignWidthOf(int column) const;
  void SpreadColumns();

  ContentGridModel& model_;
  int row_height_px_;
  bool fill_width_;
  std::vector<int> design_widths_;
};

}  // namespace kirvo
