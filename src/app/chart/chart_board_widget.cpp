#include "app/chart/chart_board_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>
#include <algorithm>

#include "app/bridge/text.h"
#include "presentation/chart/chart_cell_hint.h"
#include "presentation/chart/relation_diagram.h"
#include "settings/sys_settings.h"
#include "app/widgets/font_mapping.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {


constexpr int kTextInset = 2;  // the text keeps this far from the cell's left and top edges

QRect QRectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

bool IsShown(const PixelRect& rect) { return rect.right > rect.left && rect.bottom > rect.top; }

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

}  // namespace

ChartBoardWidget::ChartBoardWidget(const SysSettings& sys, QWidget* parent) : QWidget(parent), sys_(sys) {
  setObjectName(QStringLiteral("Board"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ChartBoardWidget::ShowChart(const Chart& chart, const BoardGeometry& geometry,
                                 const EarthStarHints* earth_star_hints,
                                 const std::optional<NearTermNotice>* near_term) {
  chart_ = &chart;
  earth_star_hints_ = earth_star_hints;
  near_term_ = near_term;
  geometry_ = geometry;
  hovered_.reset();
  unsetCursor();
  updateGeometry();
  setFixedSize(sizeHint());
  update();
}

double ChartBoardWidget::Scale() const { return logicalDpiY() / 96.0; }

QSize ChartBoardWidget::sizeHint() const {
  const double scale = Scale();
  return {static_cast<int>(geometry_.width * scale + 0.5), static_cast<int>(geometry_.height * scale + 0.5)};
}

QRect ChartBoardWidget::CellRectPx(BoardPosition cell) const {
  const QRect rect = QRectOf(BoardCellRect(geometry_, cell));
  const double scale = Scale();
  return {static_cast<int>(rect.left() * scale), static_cast<int>(rect.top() * scale),
          static_cast<int>(rect.width() * scale), static_cast<int>(rect.height() * scale)};
}

std::optional<BoardPosition> ChartBoardWidget::CellAtPx(QPoint point) const {
  const double scale = Scale();
  return BoardCellAt(geometry_, static_cast<int>(point.x() / scale), static_cast<int>(point.y() / scale));
}

void ChartBoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.scale(Scale(), Scale());
  if (chart_ == nullptr) return;
  for (int row = 0; row < ChartBoard::kRows; ++row) {
    if (geometry_.row_height[row] <= 0) continue;
    if (row == board::kStemDiagram || row == board::kBranchDiagram) PaintDiagram(painter, row);
    for (BoardColumn column{0}; column.index < ChartBoard::kColumns; ++column) {
      if (IsShown(BoardCellRect(geometry_, {column, row}))) PaintCell(painter, {column, row});
    }
  }
}

void ChartBoardWidget::PaintCell(QPainter& painter, BoardPosition cell) {
  const QRect rect = QRectOf(BoardCellRect(geometry_, cell));
  const BoardCellLook look = LookOfBoardCell(*chart_, cell, rect.width(), rect.height(), sys_);
  const bool hovered = hovered_ == cell && look.changes_on_hover;
  PaintGradient(painter, rect, look.top, look.bands, hovered ? look.hover_end : look.end);
  painter.setPen(QColorOf(look.outline));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));

  const QColor text_colour = QColorOf(hovered ? look.hover_text : look.text);
  painter.setPen(text_colour);
  QFont font = QFontOf(look.chart_font ? sys_.MeiFont : sys_.SysFont);
  if (look.font_points > 0) font.setPointSize(look.font_points);
  painter.setFont(font);
  const QString text = ToQString(BoardCellText(chart_->board, cell));
  const bool marked = CarriesMark(cell);
  const QFont mark_font = NearTermMarkFont(rect);
  const int mark_width = marked ? QFontMetrics(mark_font).horizontalAdvance(ToQString(kNearTermMark)) : 0;
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
      painter.setPen(QColorOf(kNearTermMarkColour));
      painter.drawText(QPoint(left + advance, top - ink.top()), ToQString(kNearTermMark));
    }
    painter.restore();
  }
  if (cell.column == board::kHeaders || cell.row == board::kDepthRow) return;
  const ChartCell& source = chart_->board(cell.column, cell.row);
  painter.setPen(QPen(text_colour, 1));
  PaintMark(painter, rect, source.ZSet);
  if (source.Mark) {
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(QPoint(rect.left() + rect.width() - 5, rect.top() + rect.height() - 5),
                              QPoint(rect.left() + rect.width() - 1, rect.top() + rect.height() - 1)));
  }
}

bool ChartBoardWidget::CarriesMark(BoardPosition cell) const {
  return near_term_ != nullptr && near_term_->has_value() && CarriesNearTermMark(**near_term_, cell);
}

// The mark is smaller than the title it follows, so both fit the pillar's width.
QFont ChartBoardWidget::NearTermMarkFont(const QRect& rect) const {
  QFont font = QFontOf(sys_.SysFont);
  font.setPixelSize(std::max(6, rect.height() * 9 / 20));
  return font;
}

void ChartBoardWidget::PaintDiagram(QPainter& painter, int row) {
  const QRect area = QRectOf(BoardDiagramRect(geometry_, row));
  if (area.isEmpty()) return;
  const Rgb background = ColourOf(sys_.CP, PanelColour::kFixedPart);
  const Rgb line = ContrastTextColour(background);
  painter.fillRect(area, QColorOf(background));
  const bool branches = row == board::kBranchDiagram;
  const RelationList& entries = branches ? chart_->branch_relations : chart_->stem_relations;
  painter.save();
  painter.translate(area.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), area.size()));
  QFont mark_font = QFontOf(sys_.SysFont);
  mark_font.setPointSize(kDiagramMarkPoints);
  for (const DiagramShape& shape :
       RelationDiagramShapes(entries, geometry_.pillar_width, geometry_.range, branches)) {
    const QColor colour = QColorOf(shape.inverse ? ContrastTextColour(line) : line);
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

void ChartBoardWidget::SetHovered(std::optional<BoardPosition> cell) {
  if (cell && chart_ != nullptr) {
    const PixelRect rect = BoardCellRect(geometry_, *cell);
    if (!LookOfBoardCell(*chart_, *cell, rect.right - rect.left, rect.bottom - rect.top, sys_).changes_on_hover) {
      cell.reset();
    }
  }
  if (cell == hovered_) return;
  if (hovered_) update(CellRectPx(*hovered_).adjusted(-1, -1, 1, 1));
  hovered_ = cell;
  if (hovered_) {
    setCursor(Qt::PointingHandCursor);
    update(CellRectPx(*hovered_).adjusted(-1, -1, 1, 1));
  } else {
    unsetCursor();
  }
}

void ChartBoardWidget::mouseMoveEvent(QMouseEvent* event) { SetHovered(CellAtPx(event->position().toPoint())); }

void ChartBoardWidget::leaveEvent(QEvent* event) {
  SetHovered(std::nullopt);
  QWidget::leaveEvent(event);
}

void ChartBoardWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const std::optional<BoardPosition> cell = CellAtPx(event->position().toPoint());
  if (cell && cell->column != board::kScratch) {
    emit cellClicked(*cell, (event->modifiers() & Qt::ShiftModifier) != 0);
  }
}

bool ChartBoardWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || chart_ == nullptr) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const std::optional<BoardPosition> cell = CellAtPx(help->pos());
  std::optional<std::string> hint;
  if (cell && CarriesMark(*cell)) {
    hint = (*near_term_)->hint;
  } else if (cell) {
    hint = BoardCellHint(chart_->board, *cell, sys_, earth_star_hints_);
  }
  if (hint && !hint->empty()) {
    QToolTip::showText(help->globalPos(), ToQString(*hint), this, CellRectPx(*cell));
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace kirvo
