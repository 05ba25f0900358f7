#include "app/luck/luck_strip_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/bridge/colour.h"
#include "app/bridge/dpi.h"
#include "app/bridge/text.h"
#include "app/widgets/painting.h"
#include "presentation/luck/luck_strip_look.h"
#include "settings/sys_settings.h"

namespace kirvo {

LuckStripWidget::LuckStripWidget(const SysSettings& sys, QWidget* parent) : QWidget(parent), sys_(sys) {
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName(QStringLiteral("StripScroll"));
  scroll_->setFocusPolicy(Qt::StrongFocus);
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
    update();
    emit scrolled(value);
  });
}

void LuckStripWidget::ShowStrip(const LuckStrip* strip, const std::array<std::string, kStripRows>& labels, int shown) {
  strip_ = strip;
  labels_ = labels;
  shown_ = shown;
  const int count = strip ? strip->ColumnCount() : 0;
  const QSignalBlocker quiet(scroll_);
  scroll_->setRange(0, std::max(0, count - shown));
  scroll_->setPageStep(shown);
  scroll_->setSingleStep(1);
  scroll_->setValue(strip ? strip->first_shown : 0);
  scroll_->setVisible(count > shown);
  updateGeometry();
  update();
}

int LuckStripWidget::FirstShown() const { return scroll_->value(); }

int LuckStripWidget::ColumnWidthPx() const { return ScaledPx(*this, kStripColumnWidth); }

int LuckStripWidget::RowTopPx(int row) const {
  int top = 0;
  for (int r = 0; r < row; ++r) top += ScaledPx(*this, StripRowHeight(sys_, r));
  return top;
}

int LuckStripWidget::GridHeightPx() const { return RowTopPx(kStripRows); }

QSize LuckStripWidget::sizeHint() const {
  const int width = shown_ * ColumnWidthPx() + ScaledPx(*this, kStripLabelWidth);
  return {width, GridHeightPx() + (scroll_->isVisibleTo(this) ? scroll_->sizeHint().height() : 0)};
}

void LuckStripWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int bar = scroll_->sizeHint().height();
  scroll_->setGeometry(0, GridHeightPx(), shown_ * ColumnWidthPx(), bar);
}

void LuckStripWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(QRect(0, 0, width(), GridHeightPx()), Qt::white);
  const int column_width = ColumnWidthPx();
  const int label_left = shown_ * column_width;
  const int label_width = ScaledPx(*this, kStripLabelWidth);
  const QColor line = ToQColor(kStripLineColour);
  const int first = FirstShown();
  const int count = strip_ ? strip_->ColumnCount() : 0;
  // The heading rows are low: their texts take a smaller font that fits them.
  QFont heading_font = font();
  const int heading_height = ScaledPx(*this, kStripHeadingRowHeight);
  for (int size = heading_height; size > 1; --size) {
    heading_font.setPixelSize(size);
    if (QFontMetrics(heading_font).height() <= heading_height - 2) break;
  }
  for (int row = 0; row < kStripRows; ++row) {
    const int height = ScaledPx(*this, StripRowHeight(sys_, row));
    if (height == 0) continue;
    painter.setFont(row < kStripHeadingRows ? heading_font : font());
    const int top = RowTopPx(row);
    for (int k = 0; k < shown_ && first + k < count; ++k) {
      const int column = first + k;
      const QRect rect(k * column_width, top, column_width, height);
      const CellStyle style = StripCellStyle(*strip_, column, row, sys_);
      const QString text = ToQString(strip_->Cell(column, row));
      if (style.label) {
        PaintLabelCell(painter, rect, text, style, sys_.GCB);
      } else {
        PaintPlainCell(painter, rect, text, style, 0);
      }
      painter.setPen(line);
      painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    const QRect label(label_left, top, label_width, height);
    PaintLabelCell(painter, label, ToQString(labels_[row]), StripLabelStyle(sys_), sys_.GCB);
    painter.setPen(line);
    painter.drawLine(label.bottomLeft(), label.bottomRight());
  }
  painter.setPen(line);
  painter.drawLine(label_left, 0, label_left, GridHeightPx() - 1);
}

void LuckStripWidget::mousePressEvent(QMouseEvent* event) {
  if (!strip_ || event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  const int k = at.x() / ColumnWidthPx();
  const int column = FirstShown() + k;
  if (k >= shown_ || column >= strip_->ColumnCount()) return;
  for (int row = 0; row < kStripRows; ++row) {
    const int top = RowTopPx(row);
    if (at.y() >= top && at.y() < top + ScaledPx(*this, StripRowHeight(sys_, row))) {
      emit cellClicked(ToQString(strip_->Cell(column, row)));
      return;
    }
  }
}

}  // namespace kirvo
