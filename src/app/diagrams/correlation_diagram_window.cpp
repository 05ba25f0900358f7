#include "app/diagrams/correlation_diagram_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/bridge/dpi.h"
#include "app/bridge/fonts.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {

constexpr char kCopyHint[] = "相関図をクリップボードにコピーします";
constexpr char kCopyText[] = "ｺﾋﾟｰ";
constexpr int kMostItemsShown = 10;  // a dropped-down selector shows at most ten items
// Design sizes, pixels at 96 dpi: the strip, the controls on it, the drawing area when nothing is kept.
constexpr int kStripPx = 26;
constexpr int kSelectorWidthPx = 100;
constexpr int kCopyWidthPx = 40;
constexpr int kControlMarginPx = 2;
constexpr int kDesignAreaPx = 300;
// The windows write in a proportional Gothic face of 12 pixels.
constexpr char kWindowFace[] = "ＭＳ Ｐゴシック";
constexpr int kWindowFontPx = 12;

// The drawing area: its painting is the window's.
class DrawingArea final : public QWidget {
 public:
  DrawingArea(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

QRect QRectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

DiagramWindowSize Settled(DiagramWindowSize size, int strip) {
  // A window narrowed below the minimum by one step is widened again by the next.
  return DiagramSizeRule(DiagramSizeRule(size, strip), strip);
}

}  // namespace

CorrelationDiagramWindow::CorrelationDiagramWindow(const SysSettings& sys, std::function<void(HelpTopic)> show_help,
                                                   const QString& form_name, const QString& caption,
                                                   const QStringList& items, QWidget* parent)
    : QWidget(parent, Qt::Window), sys_(sys), show_help_(std::move(show_help)) {
  setObjectName(form_name);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  QFont font(InstalledFamilyOf(kWindowFace));
  font.setPixelSize(kWindowFontPx);
  setFont(font);

  selector_ = new QComboBox(this);
  selector_->setObjectName(QStringLiteral("KindCB"));
  selector_->addItems(items);
  selector_->setMaxVisibleItems(std::min<int>(kMostItemsShown, static_cast<int>(items.size())));
  selector_->setCurrentIndex(0);
  copy_ = new QToolButton(this);
  copy_->setObjectName(QStringLiteral("CopyBtn"));
  copy_->setText(QString::fromUtf8(kCopyText));
  copy_->setToolTip(QString::fromUtf8(kCopyHint));
  copy_->setStatusTip(QString::fromUtf8(kCopyHint));
  area_ = new DrawingArea(this, [this](QPainter& painter) {
    ApplySelectorColours();
    PaintDrawing(painter, area_->rect());
  });
  area_->setObjectName(QStringLiteral("DrawArea"));

  connect(selector_, &QComboBox::currentIndexChanged, this, [this] {
    LayOut();
    area_->update();
  });
  connect(copy_, &QToolButton::clicked, this, &CorrelationDiagramWindow::CopyPicture);
  auto* help = new QAction(this);
  help->setShortcut(QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WindowShortcut);
  addAction(help);
  connect(help, &QAction::triggered, this, [this] { show_help_(HelpTopic::kCorrelationDiagram); });
  resize(DesignSize());
  ArrangeControls();
}

int CorrelationDiagramWindow::CurrentItem() const { return selector_->currentIndex(); }

int CorrelationDiagramWindow::StripHeight() const { return ScaledPx(*this, kStripPx); }

QSize CorrelationDiagramWindow::DesignSize() const {
  const int side = ScaledPx(*this, kDesignAreaPx);
  return {side, side + StripHeight()};
}

QImage CorrelationDiagramWindow::Picture() const {
  QImage picture(area_->size(), QImage::Format_RGB32);
  area_->render(&picture);
  return picture;
}

void CorrelationDiagramWindow::CopyPicture() const { QGuiApplication::clipboard()->setImage(Picture()); }

const PanelColours& CorrelationDiagramWindow::colours() const { return sys_.CP; }

void CorrelationDiagramWindow::ApplyKeptGeometry(const QRect& geometry) {
  move(geometry.topLeft());
  // A kept width above the widest is dropped; the size rule then gives the minimum.
  const DiagramWindowSize size = Settled({KeptDiagramWidth(geometry.width()), geometry.height()}, StripHeight());
  resize(size.width, size.height);
  ArrangeControls();
}

void CorrelationDiagramWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const DiagramWindowSize wanted = Settled({width(), height()}, StripHeight());
  if (wanted.width != width() || wanted.height != height()) {
    resize(wanted.width, wanted.height);
    // A window whose size changes at once is laid out here, any other at its next size change.
    if (size() != QSize(wanted.width, wanted.height)) return;
  }
  ArrangeControls();
}

void CorrelationDiagramWindow::ArrangeControls() {
  const int strip = StripHeight();
  const int margin = ScaledPx(*this, kControlMarginPx);
  const int control_height = strip - 2 * margin;
  selector_->setGeometry(margin, margin, ScaledPx(*this, kSelectorWidthPx), control_height);
  // The copy button keeps to the right end of the strip.
  const int copy_width = ScaledPx(*this, kCopyWidthPx);
  copy_->setGeometry(width() - copy_width - margin, margin, copy_width, control_height);
  area_->setGeometry(0, strip, width(), height() - strip);
  LayOut();
  area_->update();
}

void CorrelationDiagramWindow::ApplySelectorColours() {
  const Rgb fixed = ColourOf(colours(), PanelColour::kFixedPart);
  const QColor background = ToQColor(fixed);
  const QColor text = ToQColor(ContrastTextColour(fixed));
  QPalette palette = selector_->palette();
  if (palette.color(QPalette::Button) == background && palette.color(QPalette::ButtonText) == text) return;
  for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
    palette.setColor(role, background);
  }
  for (const QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
    palette.setColor(role, text);
  }
  selector_->setPalette(palette);
}

void CorrelationDiagramWindow::PaintFigure(QPainter& painter, const QRect& area,
                                           const CorrelationFigure& figure) const {
  painter.fillRect(area, ToQColor(figure.background));
  painter.setRenderHint(QPainter::Antialiasing);
  if (figure.circle) {
    painter.setPen(QPen(ToQColor(figure.circle->outline), 1));
    painter.setBrush(ToQColor(figure.circle->interior));
    painter.drawEllipse(QRectOf(figure.circle->box));
  }
  for (const DiagramMark& mark : figure.marks) {
    const QColor colour = ToQColor(mark.colour);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    const QPoint from = QPointOf(mark.from);
    const QPoint to = QPointOf(mark.to);
    switch (mark.kind) {
      case MarkKind::kDot:
        painter.drawEllipse(QRect(from.x() - kDiagramDotRadius, from.y() - kDiagramDotRadius, 2 * kDiagramDotRadius,
                                  2 * kDiagramDotRadius));
        break;
      case MarkKind::kLine:
        painter.drawLine(from, to);
        break;
      case MarkKind::kBothWays:
        DrawArrow(painter, to, from, kDiagramArrowHalfAngle, kDiagramArrowSide, true);
        [[fallthrough]];
      case MarkKind::kArrow:
        DrawArrow(painter, from, to, kDiagramArrowHalfAngle, kDiagramArrowSide, true);
        break;
    }
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (figure.ring) {
    const DiagramNameRing& ring = *figure.ring;
    PaintNameRing(painter, area, ring.cx, ring.cy, ring.mode, ring.names, ring.radius, colours(),
                  sys_.names.ten_god_row);
  }
}

}  // namespace kirvo
