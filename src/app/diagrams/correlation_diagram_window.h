#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "presentation/diagrams/correlation_diagram.h"
#include "presentation/frame/help_topics.h"
#include "settings/sys_colours.h"
#include "settings/sys_settings.h"

class QComboBox;
class QPainter;
class QToolButton;

namespace kirvo {

// What the two correlation diagrams share: a strip with the selector and the copy button over a
// drawing area, the size rule that keeps the area square, F1 on the diagrams' help page, the copy
// of the picture to the clipboard and the painting of a figure. A window of its own over the main
// window (not a child of its client area: it is placed on the screen and has its own help key),
// destroyed when it is closed. It reads the system settings' colours and names; the frame places
// it and keeps its placement.
class CorrelationDiagramWindow : public QWidget {
  Q_OBJECT

 public:
  QComboBox* selector() const { return selector_; }
  QToolButton* copy_button() const { return copy_; }
  QWidget* drawing_area() const { return area_; }
  int CurrentItem() const;
  // The drawing area as it is shown, of its size.
  QImage Picture() const;
  // The copy button: the picture goes to the clipboard.
  void CopyPicture() const;
  // How much taller than wide the window is when its drawing area is square.
  int StripHeight() const;

  // The designed size, and the place a kept placement gives (its corner the outer frame's), with
  // the widest-width rule applied.
  QSize DesignSize() const;
  void ApplyKeptGeometry(const QRect& geometry);

 protected:
  // `sys` outlives the window; `show_help` opens a help topic.
  CorrelationDiagramWindow(const SysSettings& sys, std::function<void(HelpTopic)> show_help, const QString& form_name,
                           const QString& caption, const QStringList& items, QWidget* parent);

  // Paints the drawing area `area` (its own coordinates).
  virtual void PaintDrawing(QPainter& painter, const QRect& area) = 0;
  // After a size or selector change, before the repaint.
  virtual void LayOut() {}

  void PaintFigure(QPainter& painter, const QRect& area, const CorrelationFigure& figure) const;
  const PanelColours& colours() const;

  void resizeEvent(QResizeEvent* event) override;

  const SysSettings& sys_;

 private:
  // The strip's controls and the drawing area at the window's size, then the labels.
  void ArrangeControls();
  void ApplySelectorColours();

  QComboBox* selector_ = nullptr;
  QToolButton* copy_ = nullptr;
  QWidget* area_ = nullptr;
  std::function<void(HelpTopic)> show_help_;
};

}  // namespace kirvo
