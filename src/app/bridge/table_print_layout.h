#pragma once

#include "presentation/print/list_print_job.h"

class QTableView;

namespace kirvo {

// The column widths and row heights a table view shows, in units (pixels at 96 dpi), 0 for a
// column or row it hides. With `header_row` the list's row 0 is the view's horizontal header, whose
// height comes first.
ListLayout ListLayoutOf(const QTableView& view, bool header_row, int font_points);

}  // namespace kirvo
