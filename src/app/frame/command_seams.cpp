#include "frame/command_seams.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QUrl>

#include "bridge/text.h"
#include "presentation/frame_constants.h"
#include "presentation/required_files.h"
#include "services/app_services.h"

namespace kirvo {
namespace {

// A value of the notices feature.
constexpr char kSupportPageAddress[] = "https://kirvolan.example/support/";

constexpr int kSplashWidthPx = 423;
constexpr int kSplashHeightPx = 237;

}  // namespace

QWidget* CreateSidePanelContent(AppServices& /*services*/, QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("MeiWinContent"));
  return panel;
}

std::unique_ptr<QWidget> ShowSplash(AppServices& services) {
  QPixmap picture(kSplashWidthPx, kSplashHeightPx);
  picture.fill(QColor(0x00, 0x40, 0x80));
  {
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(20);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, ToQString(services.title()));
  }
  auto splash = std::make_unique<QSplashScreen>(picture, Qt::WindowStaysOnTopHint);
  splash->setObjectName(QStringLiteral("TitleF"));
  splash->setWindowTitle(QStringLiteral("タイトル"));
  splash->setCursor(Qt::WaitCursor);
  splash->show();
  return splash;
}

void ShowHelpTopic(QWidget* /*parent*/, AppServices& services, int /*topic*/) {
  if (const auto file = FindFileIgnoringCase(services.program_folder(), services.help_file())) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file->string())));
  }
}

void ShowVersionWindow(QWidget* parent, AppServices& services) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  box.setTextFormat(Qt::RichText);
  box.setText(ToQString(services.title()).toHtmlEscaped() + QStringLiteral("<br><a href=\"") +
              QString::fromLatin1(kSupportPageAddress) + QStringLiteral("\">") +
              QString::fromLatin1(kSupportPageAddress) + QStringLiteral("</a>"));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool ShowNotices(QWidget* /*parent*/, AppServices& /*services*/) { return false; }

void OpenSupportPage() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kSupportPageAddress))); }

}  // namespace kirvo
