#include "app/frame/version_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegion>
#include <QVBoxLayout>

#include "app/bridge/dpi.h"
#include "app/bridge/fonts.h"
#include "app/bridge/path.h"

namespace kirvo {
namespace {

constexpr int kWidthPx = 380, kHeightPx = 250;
constexpr int kPictureSizePx = 48;
constexpr int kTitlePoints = 16;
const QColor kFaceColour(0xF4, 0xF1, 0xE6);
const QColor kRimColour(0x40, 0x60, 0x80);

}  // namespace

VersionDialog::VersionDialog(std::string_view application_title, const std::optional<Branding>& branding,
                             const std::filesystem::path& program_folder, std::string support_address,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setFont(QFontOf(DefaultSysFont()));
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(ScaledPx(*this, kWidthPx), ScaledPx(*this, kHeightPx));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(width() / 6, height() / 8, width() / 6, height() / 8);
  layout->setSpacing(6);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("ProgramIcon"));
  picture_->setAlignment(Qt::AlignCenter);
  const std::filesystem::path icon = program_folder / kBrandingIconFile;
  std::error_code error;
  if (std::filesystem::is_regular_file(icon, error)) {
    const QPixmap pixmap(PathText(icon));
    const int side = ScaledPx(*this, kPictureSizePx);
    picture_->setPixmap(pixmap.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  picture_->setVisible(!picture_->pixmap().isNull());
  layout->addWidget(picture_);

  const std::string title =
      branding ? BrandedTitle(*branding, application_title) : std::string(application_title);
  title_ = new QLabel(QString::fromStdString(title), this);
  title_->setObjectName(QStringLiteral("ProductName"));
  title_->setAlignment(Qt::AlignCenter);
  QFont title_font = font();
  title_font.setPointSize(kTitlePoints);
  title_font.setBold(true);
  title_->setFont(title_font);
  layout->addWidget(title_);

  auto* link = new QLabel(this);
  link->setObjectName(QStringLiteral("SupportLink"));
  link->setAlignment(Qt::AlignCenter);
  link->setTextFormat(Qt::RichText);
  link->setOpenExternalLinks(true);
  const QString address = QString::fromStdString(support_address).toHtmlEscaped();
  link->setText(QStringLiteral("<a href=\"%1\">サポートホームページ</a>").arg(address));
  link->setToolTip(QString::fromStdString(support_address));
  layout->addWidget(link);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
}

QString VersionDialog::TitleText() const { return title_->text(); }
bool VersionDialog::ShowsPicture() const { return !picture_->pixmap().isNull(); }

void VersionDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kRimColour, 3));
  painter.setBrush(kFaceColour);
  painter.drawEllipse(rect().adjusted(2, 2, -2, -2));
}

void VersionDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The window itself is elliptic: clicks outside the ellipse fall through.
  setMask(QRegion(rect(), QRegion::Ellipse));
}

}  // namespace kirvo
