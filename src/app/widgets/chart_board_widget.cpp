#include "app/widgets/chart_board_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "app/bridge/dpi.h"
#include "app/bridge/text.h"
#include "app/widgets/chart_board_painting.h"
#include "presentation/chart/chart_cell_hint.h"
#include "presentation/chart/chart_board_look.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

QRect QRectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

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

double ChartBoardWidget::Scale() const { return DpiScale(*this); }

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
  PaintChartBoard(painter, {*chart_, geometry_, sys_, near_term_, hovered_, std::nullopt});
}

bool ChartBoardWidget::CarriesMark(BoardPosition cell) const {
  return near_term_ != nullptr && near_term_->has_value() && CarriesNearTermMark(**near_term_, cell);
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
