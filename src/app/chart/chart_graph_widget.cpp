#include "app/chart/chart_graph_widget.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {

// Without a picture the graph stands on black, so that its white caption and spokes show.
const QColor kNoPictureColour(Qt::black);
const QColor kOutlineColour(Qt::black);
constexpr int kSpokeWidthPx = 2;
// Qt measures angles in sixteenths of a degree, counter-clockwise from three o'clock.
constexpr int kQtAngleUnits = 16;
constexpr int kQtTopAngle = 90;

// The program's own background picture 2: a dark blue weave, tiled without seams.
QPixmap BuiltInBackground() {
  constexpr int kTilePx = 12;
  QPixmap tile(kTilePx, kTilePx);
  tile.fill(QColor(0x1B, 0x27, 0x40));
  QPainter painter(&tile);
  painter.setPen(QColor(0x25, 0x34, 0x54));
  for (int offset = -kTilePx; offset < kTilePx; offset += kTilePx / 2) {
    painter.drawLine(offset, kTilePx - 1, offset + kTilePx - 1, 0);
  }
  return tile;
}

QPixmap PictureOf(const BackgroundPicture& background) {
  switch (background.kind) {
    case BackgroundPicture::Kind::kBuiltIn:
      return BuiltInBackground();
    case BackgroundPicture::Kind::kFile:
      return QPixmap(PathText(background.file));
    case BackgroundPicture::Kind::kNone:
      break;
  }
  return {};
}

QPolygon QPolygonOf(const std::array<PixelPoint, kGraphItems>& points) {
  QPolygon polygon;
  for (const PixelPoint& point : points) polygon << QPointOf(point);
  return polygon;
}

// Writes `text` in the cell whose top-left corner is `top_left`, with the baseline 11/12 of the em
// below it as a Windows face has it: the tall ascent of the Japanese faces here would otherwise
// push the glyphs a few pixels lower than the offsets were made for.
void DrawTextCell(QPainter& painter, PixelPoint top_left, const QString& text) {
  const int em_px = QFontInfo(painter.font()).pixelSize();
  painter.drawText(QPoint(top_left.x, top_left.y + em_px * 11 / 12), text);
}

// The font size in points the label offsets are measured in; a font set in pixels counts as the
// system font's default size.
int FontPoints(const QWidget& widget) {
  constexpr int kDefaultFontPoints = 9;
  const int points = QFontInfo(widget.font()).pointSize();
  return points > 0 ? points : kDefaultFontPoints;
}

}  // namespace

ChartGraphWidget::ChartGraphWidget(GraphKind kind, QWidget* parent) : QWidget(parent) {
  component_.kind = kind;
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartGraphWidget::SetComponent(const GraphComponent& component) {
  if (!background_loaded_ || component.background != component_.background) {
    background_ = PictureOf(component.background);
    background_loaded_ = true;
  }
  component_ = component;
  update();
}

void ChartGraphWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PaintBackground(painter);
  if (!component_.has_figure) return;
  PaintCaption(painter);
  if (component_.kind == GraphKind::kRadar) {
    PaintRadar(painter);
  } else {
    PaintCircle(painter);
  }
}

void ChartGraphWidget::PaintBackground(QPainter& painter) {
  if (background_.isNull()) {
    painter.fillRect(rect(), kNoPictureColour);
  } else {
    painter.drawTiledPixmap(rect(), background_);
  }
}

void ChartGraphWidget::PaintCaption(QPainter& painter) {
  const QString caption = ToQString(component_.caption);
  const QFontMetrics metrics(font());
  const PixelPoint at = CaptionPlace(width(), metrics.horizontalAdvance(caption));
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setPen(ToQColor(component_.caption_colour));
  DrawTextCell(painter, at, caption);
}

void ChartGraphWidget::PaintRadar(QPainter& painter) {
  const RadarGeometry radar =
      RadarGeometryOf(width(), height(), component_.values, component_.parts, component_.labels, FontPoints(*this));
  const QPoint centre = QPointOf(radar.centre);
  if (radar.value_polygon && radar.part_polygon) {
    painter.setPen(QPen(kOutlineColour, 1));
    painter.setBrush(ToQColor(component_.first_colour));
    painter.drawPolygon(QPolygonOf(*radar.value_polygon));
    painter.setBrush(ToQColor(component_.second_colour));
    painter.drawPolygon(QPolygonOf(*radar.part_polygon));
    painter.setPen(QPen(ToQColor(component_.first_colour), kSpokeWidthPx));
    for (const PixelPoint& vertex : *radar.value_polygon) painter.drawLine(centre, QPointOf(vertex));
  }
  painter.setPen(QPen(kOutlineColour, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radar.radius, radar.radius);
  for (const PixelPoint& end : radar.axis_ends) painter.drawLine(centre, QPointOf(end));

  painter.setPen(ToQColor(component_.label_colour));
  painter.setBackgroundMode(Qt::TransparentMode);
  for (std::size_t n = 0; n < kGraphItems; ++n) {
    DrawTextCell(painter, radar.label_places[n], ToQString(component_.labels[n]));
  }
}

void ChartGraphWidget::PaintCircle(QPainter& painter) {
  const CircleGeometry circle = CircleGeometryOf(width(), height(), component_.values);
  const QRect bounds(circle.centre.x - circle.radius, circle.centre.y - circle.radius, 2 * circle.radius,
                     2 * circle.radius);
  painter.setPen(QPen(kOutlineColour, 1));
  for (const PieSector& sector : circle.sectors) {
    painter.setBrush(ToQColor(component_.item_colours[sector.item]));
    // Clockwise from the top is a negative span from Qt's twelve o'clock.
    painter.drawPie(bounds, (kQtTopAngle - sector.start_angle) * kQtAngleUnits, -sector.span * kQtAngleUnits);
  }
}

void ChartGraphWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressed_ = true;
  event->accept();
}

void ChartGraphWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const bool clicked = pressed_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (clicked) emit Clicked();
}

}  // namespace kirvo
