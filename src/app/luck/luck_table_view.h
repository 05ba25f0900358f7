#pragma once

#include <QTableView>

namespace kirvo {

class CellStyleDelegate;
class ContentGridModel;
struct SysSettings;

// The luck window's table `KSG`: no headers, a horizontal scroll bar, the rows `KouChg` leaves out
// (and the moments' row) hidden, as high as its visible rows. Column widths are the grid's (0 hides
// a period without data), in pixels at 96 dpi. Cells are not selectable; a press reports its cell,
// and with the keyboard focus the left and right keys ask for the column beside the selected one.
class LuckTableView final : public QTableView {
  Q_OBJECT

 public:
  LuckTableView(ContentGridModel& model, CellStyleDelegate& delegate, QWidget* parent = nullptr);

  // Columns, rows and height for the model's grid and the row choice of `sys` as they stand now.
  void UpdateLayout(const SysSettings& sys);

 signals:
  void CellPressed(int column, int row, Qt::MouseButton button);
  void ColumnStepRequested(int step);  // −1 left, +1 right

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ContentGridModel& model_;
};

}  // namespace kirvo
