#pragma once

#include <vector>

#include "presentation/print/page_plan.h"

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace kirvo {

struct SysSettings;

// Printed pages are laid out at 96 device pixels an inch (the units the windows are designed in),
// so a board or graph painted for the screen lands on paper at its size; vector devices keep every
// line and text sharp at that resolution.
inline constexpr int kPrintDpi = 96;

// The whole page of a layout as the page plan sees it, at kPrintDpi.
PrintDevice PrintDeviceOf(const QPageLayout& layout);

// Paints one planned page of `job` onto a painter whose device has the plan's resolution: the
// lines, the framed tables, the chart board (by the board's own painting, in its print look) and
// the luck graph (by the graph's own painting), all from the plan's positions.
void PaintPage(QPainter& painter, const PagePlan& page, const PrintJob& job, const SysSettings& sys);

// Paints every page onto a paged device (a printer or a PDF), one device page each.
void PaintPages(QPagedPaintDevice& device, QPainter& painter, const std::vector<PagePlan>& pages, const PrintJob& job,
                const SysSettings& sys);

}  // namespace kirvo
