#include "app/diagrams/five_element_diagram_window.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "app/widgets/painting.h"
#include "app/bridge/text.h"
#include "presentation/frame/ini_window_placement.h"
#include "presentation/frame/toolbar_positions.h"
#include "app/services/app_services.h"

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
  painter.fillRect(rect, QColorOf(label.background));
  QFont font = painter.font();
  font.setPointSize(std::max(1, label.font_points));
  painter.setFont(font);
  painter.setPen(QColorOf(label.text_colour));
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

FiveElementDiagramWindow::FiveElementDiagramWindow(AppServices& services, QWidget* parent)
    : CorrelationDiagramWindow(services, QStringLiteral("SouGoF"), QStringLiteral("五行相関図"), SelectorTexts(),
                               parent) {
  RestorePlacement();
}

FiveElementDiagramWindow::~FiveElementDiagramWindow() { SavePlacement(); }

void FiveElementDiagramWindow::LayOut() {
  // The labels take the colours the settings have now; a later change of colours shows at the
  // next size or selector change.
  labels_ =
      FiveElementLabels(CurrentItem(), width(), drawing_area()->width(), colours(), services_.sys().names.relations);
}

void FiveElementDiagramWindow::PaintDrawing(QPainter& painter, const QRect& area) {
  PaintFigure(painter, area, FiveElementFigure(CurrentItem(), width(), area.width(), area.height(), colours()));
  for (const DiagramLabel& label : labels_) PaintLabel(painter, label);
}

void FiveElementDiagramWindow::RestorePlacement() {
  const Outcome<IniFile> ini = IniFile::Load(services_.program_folder() / kToolbarPositionsFile);
  if (!ini) services_.interaction().ShowMessage(MessageKind::kError, ini.error());
  const IniPlacement kept = ini ? ReadIniPlacement(*ini, kFiveElementPlacementSection) : IniPlacement{};
  const QSize design = DesignSize();
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  const QSize screen_size = on ? on->geometry().size() : design;
  const PlacedWindow placed =
      PlaceOnScreen(kept, design.width(), design.height(), screen_size.width(), screen_size.height());
  ApplyKeptGeometry(QRect(placed.left, placed.top, placed.width, placed.height));
}

void FiveElementDiagramWindow::SavePlacement() {
  const std::filesystem::path path = services_.program_folder() / kToolbarPositionsFile;
  Outcome<IniFile> ini = IniFile::Load(path);
  // KIRVO.ini holds the toolbars' places too; an unreadable file is not replaced (its problem was
  // told when the window was placed).
  if (!ini) return;
  const int monitor = std::max<int>(0, static_cast<int>(QGuiApplication::screens().indexOf(screen())));
  WriteIniPlacement(ini.value(), kFiveElementPlacementSection, {x(), y(), width(), height()}, monitor);
  const Status saved = ini->Save(path);
  if (!saved) services_.interaction().ShowMessage(MessageKind::kError, saved.error());
}

}  // namespace kirvo
