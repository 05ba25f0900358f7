#include "app/bridge/table_print_layout.h"

#include <QHeaderView>
#include <QTableView>
#include <cmath>

#include "app/bridge/dpi.h"

namespace kirvo {

ListLayout ListLayoutOf(const QTableView& view, bool header_row, int font_points) {
  const double scale = DpiScale(view);
  const auto units = [scale](int px) { return static_cast<int>(std::lround(px / scale)); };
  ListLayout layout;
  layout.font_points = font_points;
  const QHeaderView& columns = *view.horizontalHeader();
  for (int column = 0; column < columns.count(); ++column) {
    layout.column_widths.push_back(view.isColumnHidden(column) ? 0 : units(view.columnWidth(column)));
  }
  // A header the view does not show still heads the printed list, at its own height.
  if (header_row)
    layout.row_heights.push_back(units(columns.isVisible() ? columns.height() : columns.sizeHint().height()));
  const int rows = view.verticalHeader()->count();
  for (int row = 0; row < rows; ++row) {
    layout.row_heights.push_back(view.isRowHidden(row) ? 0 : units(view.rowHeight(row)));
  }
  return layout;
}

}  // namespace kirvo
