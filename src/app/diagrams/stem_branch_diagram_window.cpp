#include "app/diagrams/stem_branch_diagram_window.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "app/bridge/text.h"
#include "presentation/diagrams/stem_branch_diagram.h"
#include "presentation/frame/window_placement.h"
#include "app/services/app_services.h"

namespace kirvo {
namespace {

QStringList SelectorTexts() {
  QStringList texts;
  for (const std::string_view item : kStemBranchItems) texts.append(ToQString(item));
  return texts;
}

}  // namespace

StemBranchDiagramWindow::StemBranchDiagramWindow(AppServices& services, QWidget* parent)
    : CorrelationDiagramWindow(services, QStringLiteral("SouKsF"), QStringLiteral("干支相関図"), SelectorTexts(),
                               parent) {
  RestorePlacement();
}

StemBranchDiagramWindow::~StemBranchDiagramWindow() { SavePlacement(); }

void StemBranchDiagramWindow::PaintDrawing(QPainter& painter, const QRect& area) {
  QFont font = painter.font();
  font.setPointSize(std::max(1, StemBranchFontPoints(area.width())));
  painter.setFont(font);
  // The height of "甲": the font's em, as a full-width character is square.
  const int glyph_height = QFontInfo(font).pixelSize();
  PaintFigure(painter, area, StemBranchFigure(CurrentItem(), area.height(), glyph_height, colours()));
}

void StemBranchDiagramWindow::changeEvent(QEvent* event) {
  CorrelationDiagramWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) drawing_area()->update();
}

void StemBranchDiagramWindow::RestorePlacement() {
  const std::optional<WindowPlacement> placement =
      DecodeWindowPlacement(services_.store().ReadBinary(kStemBranchPlacementKey, kStemBranchPlacementValue));
  if (!placement || placement->right <= placement->left || placement->bottom <= placement->top) return;
  // Applied before the window is shown, the record's show command counts as hidden.
  ApplyKeptGeometry(
      QRect(placement->left, placement->top, placement->right - placement->left, placement->bottom - placement->top));
}

void StemBranchDiagramWindow::SavePlacement() {
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  WindowPlacement placement;
  placement.show_command = isMinimized() ? kShowMinimized : kShowNormal;
  placement.left = x();
  placement.top = y();
  placement.right = x() + normal.width();
  placement.bottom = y() + normal.height();
  const Status written = services_.store().WriteBinary(kStemBranchPlacementKey, kStemBranchPlacementValue,
                                                       EncodeWindowPlacement(placement));
  if (!written) services_.interaction().ShowMessage(MessageKind::kError, written.error());
}

}  // namespace kirvo
