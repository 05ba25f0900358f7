#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <string_view>

#include "app/bridge/colour.h"
#include "presentation/panel/chart_content_model.h"
#include "presentation/shared/drawing_geometry.h"
#include "settings/sys_colours.h"

class QPainter;

namespace kirvo {

// The shared drawing operations on a QPainter. The geometry comes from the core
// (presentation/drawing_geometry.h); these only turn it into painter calls.

inline QPoint QPointOf(PixelPoint point) { return {point.x, point.y}; }
inline PixelPoint PixelPointOf(QPoint point) { return {point.x(), point.y()}; }
// QRect's right and bottom are the last pixel inside; PixelRect's the first outside.
inline PixelRect PixelRectOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// A vertical gradient from `start` (top) to `end` (bottom) in `steps` bands, clipped to `rect`.
void PaintGradient(QPainter& painter, const QRect& rect, Rgb start, int steps, Rgb end);

// A line from `start` to `tip` with an arrow head at the tip: the triangle's outline, or filled in
// the pen's colour when `filled`.
void DrawArrow(QPainter& painter, QPoint start, QPoint tip, double half_angle, double side, bool filled);

// A ring of names about (cx, cy) inside `area`, in the ring's font size, each name of an element
// group on a box from its element colour to black; text in the contrast colour of the diagram
// background `CP8`.
void PaintNameRing(QPainter& painter, const QRect& area, int cx, int cy, NameRingMode mode, std::string_view names,
                   int radius, const PanelColours& colours, const TenGodNames& ten_god_names);

// Where the text of a label cell starts below the cell's top and right of its left edge.
enum class LabelVariant {
  kStandard,  // one pixel below the top
  kIndented,  // also one pixel right of the left edge
  kLowered,   // two pixels below the top
};

// The label cell: the fixed-part gradient of the style in as many steps as the cell is high (3
// with `fewest_steps`), the text centred in the style's colour, a grey line along the bottom edge.
void PaintLabelCell(QPainter& painter, const QRect& rect, const QString& text, const CellStyle& style,
                    bool fewest_steps, LabelVariant variant = LabelVariant::kStandard);

// A plain cell: its background (a gradient when top and bottom differ) and its text aligned as the
// style says, kept `padding` pixels from the side it is aligned to.
void PaintPlainCell(QPainter& painter, const QRect& rect, const QString& text, const CellStyle& style, int padding);

}  // namespace kirvo
