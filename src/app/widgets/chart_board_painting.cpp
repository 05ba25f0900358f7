#include "app/widgets/chart_board_painting.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "app/bridge/colour.h"
#include "app/bridge/fonts.h"
#include "app/bridge/text.h"
#include "app/widgets/painting.h"
#include "engine/chart.h"
#include "presentation/chart/chart_board_look.h"
#include "presentation/chart/relation_diagram.h"
#include "presentation/shared/drawing_geometry.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr int kTextInset = 2;  // the text keeps this far from the cell's left and top edges

QRect QRectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

bool IsShown(const PixelRect& rect) { return rect.right > rect.left && rect.bottom > rect.top; }

bool CarriesMark(const BoardPicture& picture, BoardPosition cell) {
  return picture.near_term != nullptr && picture.near_term->has_value() &&
         CarriesNearTermMark(**picture.near_term, cell);
}

// The marks drawn over a cell in the text colour, one pixel wide.
void PaintMark(QPainter& painter, const QRect& cell, Mark mark) {
  const int x = cell.left(), y = cell.top(), w = cell.width(), h = cell.height();
  painter.setBrush(Qt::NoBrush);
  switch (mark) {
    case Mark::kInForce:
      painter.drawEllipse(QRect(x + 1, y + 1, w - 2, h - 2));
      break;
    case Mark::kRemoved:
      painter.drawLine(x + 1, y + 1, x + w - 2, y + h - 2);
      painter.drawLine(x + w - 2, y + 1, x + 1, y + h - 2);
      break;
    case Mark::kTransformed:
      painter.drawPolygon(QPolygon({QPoint(x + w / 2, y + 1), QPoint(x + w - 2, y + h / 2),
                                    QPoint(x + w / 2, y + h - 2), QPoint(x + 1, y + h / 2)}));
      break;
    case Mark::kRemovedByDayMaster:
      painter.drawRect(QRect(x + 4, y + 4, w - 8, h - 8));
      break;
    case Mark::kHalved:
      painter.drawPolygon(
          QPolygon({QPoint(x + w / 2, y + 4), QPoint(x + w - 4, y + h - 4), QPoint(x + 4, y + h - 4)}));
      break;
    case Mark::kMonthCommand:
      painter.drawEllipse(QRect(x + 1, y + 1, w - 2, h - 2));
      painter.drawEllipse(QRect(x + 4, y + 4, w - 8, h - 8));
      break;
    case Mark::kNone:
      break;
  }
}

// The mark is smaller than the title it follows, so both fit the pillar's width.
QFont NearTermMarkFont(const SysSettings& sys, const QRect& rect) {
  QFont font = QFontOf(sys.SysFont);
  font.setPixelSize(std::max(6, rect.height() * 9 / 20));
  return font;
}

void PaintCell(QPainter& painter, const BoardPicture& picture, BoardPosition cell) {
  const Chart& chart = picture.chart;
  const SysSettings& sys = picture.sys;
  const QRect rect = QRectOf(BoardCellRect(picture.geometry, cell));
  BoardCellLook look = LookOfBoardCell(chart, cell, rect.width(), rect.height(), sys);
  if (picture.paper_colour) look = PrintLookOfBoardCell(look, cell, *picture.paper_colour);
  const bool hovered = picture.hovered == cell && look.changes_on_hover;
  PaintGradient(painter, rect, look.top, look.bands, hovered ? look.hover_end : look.end);
  painter.setPen(ToQColor(look.outline));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));

  const QColor text_colour = ToQColor(hovered ? look.hover_text : look.text);
  painter.setPen(text_colour);
  QFont font = QFontOf(look.chart_font ? sys.MeiFont : sys.SysFont);
  if (look.font_points > 0) font.setPointSize(look.font_points);
  painter.setFont(font);
  const QString text = ToQString(BoardCellText(chart, cell));
  const bool marked = CarriesMark(picture, cell);
  const QFont mark_font = NearTermMarkFont(sys, rect);
  const int mark_width = marked ? QFontMetrics(mark_font).horizontalAdvance(ToQString(kNearTermMark)) : 0;
  // A text wider than its cell (the 通根 row's "98654") is drawn smaller rather than cut.
  const int room = rect.width() - 2 * kTextInset - mark_width;
  if (const int wide = painter.fontMetrics().horizontalAdvance(text); wide > room) {
    font.setPixelSize(FittedPixelSize(QFontInfo(font).pixelSize(), wide, room));
    painter.setFont(font);
  }
  if (!text.isEmpty()) {
    painter.save();
    painter.setClipRect(rect);
    // Centred by the ink of the glyphs, not the line height: a Japanese face's line is far taller
    // than its characters, and a 16-unit row would otherwise lose their lower part. A marked title
    // is centred together with its mark.
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect ink = metrics.tightBoundingRect(text);
    const int advance = metrics.horizontalAdvance(text);
    const int left = std::max(rect.left() + kTextInset, rect.left() + (rect.width() - advance - mark_width) / 2);
    const int top = std::max(rect.top() + kTextInset, rect.top() + (rect.height() - ink.height()) / 2);
    painter.drawText(QPoint(left, top - ink.top()), text);
    if (marked) {
      painter.setFont(mark_font);
      painter.setPen(ToQColor(kNearTermMarkColour));
      painter.drawText(QPoint(left + advance, top - ink.top()), ToQString(kNearTermMark));
    }
    painter.restore();
  }
  if (cell.column == board::kHeaders || cell.row == board::kDepthRow) return;
  const ChartCell& source = chart.board(cell.column, cell.row);
  painter.setPen(QPen(text_colour, 1));
  PaintMark(painter, rect, source.ZSet);
  if (source.Mark) {
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(QPoint(rect.left() + rect.width() - 5, rect.top() + rect.height() - 5),
                              QPoint(rect.left() + rect.width() - 1, rect.top() + rect.height() - 1)));
  }
}

void PaintDiagram(QPainter& painter, const BoardPicture& picture, int row) {
  const BoardGeometry& geometry = picture.geometry;
  const QRect area = QRectOf(BoardDiagramRect(geometry, row));
  if (area.isEmpty()) return;
  const Rgb background = BoardDiagramBackground(picture.sys, picture.paper_colour.has_value());
  const Rgb line = ContrastTextColour(background);
  painter.fillRect(area, ToQColor(background));
  const bool branches = row == board::kBranchDiagram;
  const RelationList& entries = branches ? picture.chart.branch_relations : picture.chart.stem_relations;
  painter.save();
  painter.translate(area.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), area.size()));
  QFont mark_font = QFontOf(picture.sys.SysFont);
  mark_font.setPointSize(kDiagramMarkPoints);
  for (const DiagramShape& shape : RelationDiagramShapes(entries, geometry.pillar_width, geometry.range, branches)) {
    const QColor colour = ToQColor(shape.inverse ? ContrastTextColour(line) : line);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    switch (shape.kind) {
      case DiagramShape::Kind::kLine:
        painter.drawLine(QPoint(shape.points[0].x, shape.points[0].y), QPoint(shape.points[1].x, shape.points[1].y));
        break;
      case DiagramShape::Kind::kEllipse:
        painter.drawEllipse(QRectOf(shape.box));
        break;
      case DiagramShape::Kind::kPolygon: {
        QPolygon polygon;
        for (const PixelPoint& point : shape.points) polygon << QPoint(point.x, point.y);
        painter.drawPolygon(polygon);
        break;
      }
      case DiagramShape::Kind::kText:
        painter.setFont(mark_font);
        painter.drawText(QPoint(shape.box.left, shape.box.top + painter.fontMetrics().ascent()),
                         ToQString(shape.text));
        break;
    }
  }
  painter.restore();
}

}  // namespace

void PaintChartBoard(QPainter& painter, const BoardPicture& picture) {
  const BoardGeometry& geometry = picture.geometry;
  for (int row = 0; row < ChartBoard::kRows; ++row) {
    if (geometry.row_height[row] <= 0) continue;
    if (row == board::kStemDiagram || row == board::kBranchDiagram) PaintDiagram(painter, picture, row);
    for (BoardColumn column{0}; column.index < ChartBoard::kColumns; ++column) {
      if (IsShown(BoardCellRect(geometry, {column, row}))) PaintCell(painter, picture, {column, row});
    }
  }
}

}  // namespace kirvo
