#include "app/frame/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <string>

#include "app/bridge/path.h"

namespace kirvo {
namespace {

constexpr const char* kIndexPage = "index.html";
constexpr int kWidthPx = 640, kHeightPx = 560;

}  // namespace

HelpWindow::HelpWindow(std::filesystem::path help_folder, QWidget* parent)
    : QWidget(parent, Qt::Window), help_folder_(std::move(help_folder)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("ヘルプ"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);  // help pages link only to each other
  browser_->setSearchPaths({PathText(help_folder_)});
  layout->addWidget(browser_);
  resize(kWidthPx, kHeightPx);
}

std::filesystem::path HelpWindow::HelpFolderOf(const std::filesystem::path& program_folder) {
  return program_folder / "help";
}

bool HelpWindow::ShowPage(const std::filesystem::path& page) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(page, error)) return false;
  browser_->setSource(QUrl::fromLocalFile(PathText(page)));
  show();
  raise();
  activateWindow();
  return true;
}

void HelpWindow::ShowTopic(int topic) {
  if (ShowPage(help_folder_ / (std::to_string(topic) + ".html"))) {
    topic_ = topic;
    return;
  }
  ShowIndex();
  browser_->append(QStringLiteral("<p>ヘルプ項目 %1 のページがありません。</p>").arg(topic));
}

void HelpWindow::ShowIndex() {
  topic_ = 0;
  if (ShowPage(help_folder_ / kIndexPage)) return;
  browser_->setHtml(QStringLiteral("<p>ヘルプファイルがありません：%1</p>").arg(PathText(help_folder_).toHtmlEscaped()));
  show();
}

}  // namespace kirvo
