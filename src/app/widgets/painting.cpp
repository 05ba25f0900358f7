#include "app/widgets/painting.h"

#include <QFontMetrics>
#include <algorithm>
#include <QPainter>
#include <QPolygon>

namespace kirvo {
namespace {

const QColor kLabelBottomLine(128, 128, 128);

Qt::Alignment HorizontalAlignmentOf(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::kLeft:
      return Qt::AlignLeft;
    case CellAlignment::kRight:
      return Qt::AlignRight;
    case CellAlignment::kCentre:
      break;
  }
  return Qt::AlignHCenter;
}

}  // namespace

void PaintGradient(QPainter& painter, const QRect& rect, Rgb start, int steps, Rgb end) {
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  for (const GradientBand& band : GradientFill(PixelRectOf(rect), start, steps, end)) {
    painter.fillRect(QRect(band.rect.left, band.rect.top, band.rect.right - band.rect.left,
                           band.rect.bottom - band.rect.top),
                     ToQColor(band.colour));
  }
  painter.restore();
}

void DrawArrow(QPainter& painter, QPoint start, QPoint tip, double half_angle, double side, bool filled) {
  painter.drawLine(start, tip);
  const ArrowCorners corners = ArrowHead(PixelPointOf(start), PixelPointOf(tip), half_angle, side);
  const QPolygon head({tip, QPointOf(corners.first), QPointOf(corners.second)});
  painter.save();
  if (filled) {
    painter.setBrush(painter.pen().color());
  } else {
    painter.setBrush(Qt::NoBrush);
  }
  painter.drawPolygon(head);
  painter.restore();
}

void PaintNameRing(QPainter& painter, const QRect& area, int cx, int cy, NameRingMode mode, std::string_view names,
                   int radius, const PanelColours& colours, const TenGodNames& ten_god_names) {
  painter.save();
  QFont font = painter.font();
  font.setPointSize(std::max(1, NameRingFontPoints(area.width(), mode)));
  painter.setFont(font);
  const int glyph_width = QFontMetrics(font, painter.device()).horizontalAdvance(QStringLiteral("甲"));
  painter.setPen(ToQColor(ContrastTextColour(ColourOf(colours, PanelColour::kCorrelationBackground))));
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const NameRingPlace& place : NameRing(names, cx, cy, mode, radius, glyph_width, ten_god_names)) {
    if (place.element != kNoElement) {
      const PixelRect& box = place.box;
      PaintGradient(painter, QRect(box.left, box.top, box.right - box.left, box.bottom - box.top),
                    ElementColour(colours, place.element), place.box_steps, kBlack);
    }
    // The name fills the square of its box one em high; centred in it, a face with tall ascent
    // and descent (the CJK faces) keeps its characters on the box instead of below it.
    const QRect cell(place.at.x, place.at.y, glyph_width * static_cast<int>(mode), glyph_width);
    painter.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(place.name));
  }
  painter.restore();
}

void PaintLabelCell(QPainter& painter, const QRect& rect, const QString& text, const CellStyle& style,
                    bool fewest_steps, LabelVariant variant) {
  constexpr int kFewestSteps = 3;
  PaintGradient(painter, rect, style.background, fewest_steps ? kFewestSteps : rect.height(), style.background_bottom);
  const int down = variant == LabelVariant::kLowered ? 2 : 1;
  const int right = variant == LabelVariant::kIndented ? 1 : 0;
  painter.save();
  painter.setPen(ToQColor(style.text));
  painter.drawText(rect.adjusted(right, down, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
  painter.setPen(kLabelBottomLine);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.restore();
}

void PaintPlainCell(QPainter& painter, const QRect& rect, const QString& text, const CellStyle& style, int padding) {
  if (style.background == style.background_bottom) {
    painter.fillRect(rect, ToQColor(style.background));
  } else {
    PaintGradient(painter, rect, style.background, rect.height(), style.background_bottom);
  }
  painter.save();
  painter.setPen(ToQColor(style.text));
  painter.drawText(rect.adjusted(padding, 0, -padding, 0), HorizontalAlignmentOf(style.alignment) | Qt::AlignVCenter,
                   text);
  painter.restore();
}

}  // namespace kirvo
