#include "app/frame/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "app/bridge/dpi.h"
#include "app/bridge/fonts.h"
#include "app/bridge/path.h"
#include "presentation/services/splash_texts.h"

namespace kirvo {
namespace {

constexpr int kWidthPx = 423, kHeightPx = 237;
constexpr int kCornerRadiusPx = 20;
constexpr int kNamePoints = 34, kLongNamePoints = 25;  // a long name takes the smaller size
constexpr int kVersionPoints = 16;
constexpr int kDecorationPoints = 54;
constexpr int kShadowOffsetPx = 2;
const QColor kTopColour(0x10, 0x30, 0x60);
const QColor kBottomColour(0x30, 0x70, 0xA0);
const QColor kTextColour(0xFF, 0xF4, 0xD0);
const QColor kShadowColour(0x00, 0x10, 0x20);
const QColor kDecorationColour(0xFF, 0xFF, 0xFF, 0x38);

QLabel* TextLabel(const QString& text, int points, const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = QFontOf(DefaultSysFont());
  font.setPointSize(points);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

}  // namespace

SplashWindow::SplashWindow(std::string_view application_title, const std::optional<Branding>& branding,
                           const std::filesystem::path& program_folder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TitleF"));
  setWindowTitle(QStringLiteral("タイトル"));
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(ScaledPx(*this, kWidthPx), ScaledPx(*this, kHeightPx));
  rounded_ = branding ? branding->title_rect != 0 : true;

  const std::string title = branding ? BrandedTitle(*branding, application_title) : std::string(application_title);
  const SplashTexts texts = SplashTextsOf(title);
  const QString name = QString::fromStdString(texts.name).trimmed();
  const QString version = QString::fromStdString(texts.version);
  const int name_points = texts.long_name ? kLongNamePoints : kNamePoints;

  decoration_ = TextLabel(QStringLiteral("四柱推命"), kDecorationPoints, kDecorationColour, this);
  decoration_->setObjectName(QStringLiteral("Decoration"));
  decoration_->adjustSize();
  decoration_->move(width() - decoration_->width() - 24, 14);
  decoration_->setVisible(!texts.long_name);

  // Two labels, one over the other: the shadow a little down and right.
  name_shadow_ = TextLabel(name, name_points, kShadowColour, this);
  name_ = TextLabel(name, name_points, kTextColour, this);
  name_->setObjectName(QStringLiteral("TitleName"));
  version_shadow_ = TextLabel(version, kVersionPoints, kShadowColour, this);
  version_ = TextLabel(version, kVersionPoints, kTextColour, this);
  version_->setObjectName(QStringLiteral("TitleVersion"));
  for (QLabel* label : {name_shadow_, name_, version_shadow_, version_}) label->adjustSize();
  const QPoint name_at(32, height() / 2 - name_->height() / 2);
  name_->move(name_at);
  name_shadow_->move(name_at + QPoint(kShadowOffsetPx, kShadowOffsetPx));
  const QPoint version_at(width() - version_->width() - 40, height() - version_->height() - 30);
  version_->move(version_at);
  version_shadow_->move(version_at + QPoint(kShadowOffsetPx, kShadowOffsetPx));
  name_->raise();
  version_->raise();

  const std::filesystem::path bitmap = program_folder / kBrandingSplashFile;
  std::error_code error;
  if (std::filesystem::is_regular_file(bitmap, error)) picture_.load(PathText(bitmap));
  showing_picture_ = !picture_.isNull();
  if (showing_picture_) {
    for (QLabel* label : {decoration_, name_shadow_, name_, version_shadow_, version_}) label->hide();
  }

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

SplashWindow::~SplashWindow() {
  if (busy_pointer_) QGuiApplication::restoreOverrideCursor();
}

QString SplashWindow::NameText() const { return name_->text(); }
QString SplashWindow::VersionText() const { return version_->text(); }
bool SplashWindow::DecorationShown() const { return !decoration_->isHidden(); }

QPainterPath SplashWindow::Outline() const {
  QPainterPath path;
  if (rounded_) {
    path.addRoundedRect(QRectF(rect()), kCornerRadiusPx, kCornerRadiusPx);
  } else {
    path.addEllipse(QRectF(rect()));
  }
  return path;
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline = Outline();
  painter.setClipPath(outline);
  if (showing_picture_) {
    painter.drawPixmap(rect(), picture_);
  } else {
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, kTopColour);
    gradient.setColorAt(1, kBottomColour);
    painter.fillPath(outline, gradient);
  }
  painter.setClipping(false);
  painter.setPen(QPen(kTextColour, 2));
  painter.drawPath(outline);
}

void SplashWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  setMask(QRegion(Outline().toFillPolygon().toPolygon()));
}

void SplashWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!busy_pointer_) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    busy_pointer_ = true;
  }
}

void SplashWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (busy_pointer_) {
    QGuiApplication::restoreOverrideCursor();
    busy_pointer_ = false;
  }
}

}  // namespace kirvo
