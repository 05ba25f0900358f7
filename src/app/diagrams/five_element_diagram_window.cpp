#include "app/diagrams/five_element_diagram_window.h"

#include <QFontInfo>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"

namespace kirvo {
namespace {

QStringList SelectorTexts() {
  QStringList texts;
  for (const std::string_view item : kFiveElementItems) texts.append(ToQString(item));
  return texts;
}

// A label: its square in its colour, the text centred, line under line.
void PaintLabel(QPainter& painter, const DiagramLabel& label) {
  const QRect rect(label.rect.left, label.rect.top, label.rect.right - label.rect.left,
                   label.rect.bottom - label.rect.top);
  painter.fillRect(rect, ToQColor(label.background));
  QFont font = painter.font();
  font.setPointSize(std::max(1, label.font_points));
  painter.setFont(font);
  painter.setPen(ToQColor(label.text_colour));
  const QStringList lines = ToQString(label.text).split(QLatin1Char('\n'));
  // Lines follow one another at the font's em, as full-width characters are square.
  const int step = QFontInfo(font).pixelSize();
  const int top = rect.top() + (rect.height() - step * static_cast<int>(lines.size())) / 2;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    painter.drawText(QRect(rect.left(), top + static_cast<int>(i) * step, rect.width(), step), Qt::AlignCenter,
                     lines[i]);
  }
}

}  // namespace

FiveElementDiagramWindow::FiveElementDiagramWindow(const SysSettings& sys, std::function<void(HelpTopic)> show_help,
                                                   QWidget* parent)
    : CorrelationDiagramWindow(sys, std::move(show_help), QStringLiteral("SouGoF"), QStringLiteral("五行相関図"),
                               SelectorTexts(), parent) {}

void FiveElementDiagramWindow::LayOut() {
  // The labels take the colours the settings have now; a later change of colours shows at the
  // next size or selector change.
  labels_ =
      FiveElementLabels(CurrentItem(), width(), drawing_area()->width(), colours(), sys_.names.relations);
}

void FiveElementDiagramWindow::PaintDrawing(QPainter& painter, const QRect& area) {
  PaintFigure(painter, area, FiveElementFigure(CurrentItem(), width(), area.width(), area.height(), colours()));
  for (const DiagramLabel& label : labels_) PaintLabel(painter, label);
}

}  // namespace kirvo
