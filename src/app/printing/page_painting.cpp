#include "app/printing/page_painting.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "app/bridge/colour.h"
#include "app/bridge/fonts.h"
#include "app/bridge/text.h"
#include "app/widgets/chart_board_painting.h"
#include "app/widgets/luck_graph_painting.h"
#include "app/widgets/painting.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// The face the print's lines and tables are set in.
constexpr std::string_view kPrintFace = "ＭＳ ゴシック";
constexpr double kSideFrameRadiusMm = 2;

QRect QRectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

QFont PrintFont(int points) {
  QFont font = FixedPitchFontOf(kPrintFace);
  font.setPointSize(std::max(1, points));
  return font;
}

const PrintTable& TableOf(const PrintJob& job, const PlannedTable& planned) {
  switch (planned.part) {
    case PlannedTablePart::kSide:
      return job.side.tables.at(static_cast<std::size_t>(planned.index));
    case PlannedTablePart::kSub:
      return job.sub_tables.at(static_cast<std::size_t>(planned.index));
    case PlannedTablePart::kTarget:
      break;
  }
  return job.target;
}

// Lists: a number, date or path (a text with "." or "/") to the right, any other text centred; the
// wrapped lists centre their first column and wrap the others.
int AlignmentOf(CellLook look, const CellStyle& style, const std::string& text, int column) {
  switch (look) {
    case CellLook::kList:
      return text.find_first_of("./") != std::string::npos ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter;
    case CellLook::kListWrapped:
      if (column == 0) return Qt::AlignCenter;
      return Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
    case CellLook::kStyled:
      break;
  }
  switch (style.alignment) {
    case CellAlignment::kLeft:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlignment::kRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::kCentre:
      break;
  }
  return Qt::AlignCenter;
}

// Lists are set in the fixed-pitch Gothic; the other tables in the system font the windows show
// them in.
QFont CellFont(CellLook look, const SysSettings& sys, int points) {
  QFont font = look == CellLook::kStyled ? QFontOf(sys.SysFont) : FixedPitchFontOf(kPrintFace);
  font.setPointSize(std::max(1, points));
  return font;
}

void PaintTable(QPainter& painter, const PlannedTable& planned, const PrintJob& job, const SysSettings& sys,
                bool colour) {
  const PrintTable& table = TableOf(job, planned);
  const QPen frame(Qt::black, std::max(1.0, planned.scale));
  const int inset = static_cast<int>(kCellInsetUnits * planned.scale);
  if (planned.rounded_frame) {
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    const double radius = kSideFrameRadiusMm / 25.4 * kUnitsPerInch * planned.scale;
    painter.drawRoundedRect(QRectOf(*planned.rounded_frame), radius, radius);
  }
  for (const PlannedCell& cell : planned.cells) {
    const auto column = static_cast<std::size_t>(cell.column), row = static_cast<std::size_t>(cell.row);
    const CellStyle& style = table.grid.Style(column, row);
    const QRect box = QRectOf(cell.box);
    const bool styled = colour && planned.look == CellLook::kStyled && style.drawn;
    if (styled && style.label) {
      PaintGradient(painter, box, style.background, 3, style.background_bottom);
    } else if (styled) {
      painter.fillRect(box, ToQColor(style.background));
    }
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    if (!style.drawn) continue;
    const std::string& text = table.grid.Cell(column, row);
    if (text.empty()) continue;
    QFont font = CellFont(planned.look, sys, style.font_points > 0 ? style.font_points : table.font_points);
    painter.setFont(font);
    const QString shown = ToQString(text);
    const QRect room = box.adjusted(inset, 0, -inset, 0);
    const int flags = AlignmentOf(planned.look, style, text, cell.column);
    // A text wider than its cell is set smaller rather than cut, as on the screen.
    if (!(flags & Qt::TextWrapAnywhere)) {
      if (const int wide = painter.fontMetrics().horizontalAdvance(shown); wide > room.width()) {
        font.setPixelSize(FittedPixelSize(QFontInfo(font).pixelSize(), wide, room.width()));
        painter.setFont(font);
      }
    }
    painter.setPen(styled ? ToQColor(style.text) : QColor(Qt::black));
    painter.save();
    painter.setClipRect(box);
    painter.drawText(room, flags, shown);
    painter.restore();
  }
}

void PaintLine(QPainter& painter, const PlannedLine& line) {
  if (line.text.empty()) return;
  painter.setFont(PrintFont(line.points));
  painter.setPen(Qt::black);
  const QString text = ToQString(line.text);
  const QFontMetrics metrics = painter.fontMetrics();
  const int x = line.right_aligned ? line.at.x - metrics.horizontalAdvance(text) : line.at.x;
  painter.drawText(QPoint(x, line.at.y + metrics.ascent()), text);
}

}  // namespace

PrintDevice PrintDeviceOf(const QPageLayout& layout) {
  const QRect page = layout.fullRectPixels(kPrintDpi);
  return PrintDevice{page.width(), page.height(), kPrintDpi, kPrintDpi};
}

void PaintPage(QPainter& painter, const PagePlan& page, const PrintJob& job, const SysSettings& sys) {
  painter.save();
  if (page.board && job.chart) {
    painter.save();
    painter.setClipRect(QRectOf(page.board->clip));
    painter.translate(page.board->origin.x, page.board->origin.y);
    painter.scale(page.board->scale_x, page.board->scale_y);
    PaintChartBoard(painter,
                    BoardPicture{job.chart->chart, job.chart->geometry, sys, nullptr, std::nullopt, page.colour});
    painter.restore();
  }
  if (page.graph && job.graph) {
    painter.save();
    painter.setFont(PrintFont(9));
    PaintLuckGraph(painter, QRectOf(*page.graph), *job.graph, WholeLuckGraph(*job.graph),
                   PrintLuckGraphLook(page.colour));
    painter.restore();
  }
  for (const PlannedTable& table : page.tables) PaintTable(painter, table, job, sys, page.colour);
  for (const PlannedLine& line : page.lines) PaintLine(painter, line);
  painter.restore();
}

void PaintPages(QPagedPaintDevice& device, QPainter& painter, const std::vector<PagePlan>& pages, const PrintJob& job,
                const SysSettings& sys) {
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) device.newPage();
    PaintPage(painter, pages[i], job, sys);
  }
}

}  // namespace kirvo
