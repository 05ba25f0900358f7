#include "app/diagrams/stem_branch_diagram_window.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "app/bridge/text.h"
#include "presentation/diagrams/stem_branch_diagram.h"

namespace kirvo {
namespace {

QStringList SelectorTexts() {
  QStringList texts;
  for (const std::string_view item : kStemBranchItems) texts.append(ToQString(item));
  return texts;
}

}  // namespace

StemBranchDiagramWindow::StemBranchDiagramWindow(const SysSettings& sys, std::function<void(HelpTopic)> show_help,
                                                 QWidget* parent)
    : CorrelationDiagramWindow(sys, std::move(show_help), QStringLiteral("SouKsF"), QStringLiteral("干支相関図"),
                               SelectorTexts(), parent) {}

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

}  // namespace kirvo
