#pragma once

#include <QWidget>
#include <filesystem>

class QTextBrowser;

namespace kirvo {

// The help viewer: one window showing the page of a help topic number ("10004.html" in the help
// folder of the program folder) or the index page; links between the pages work inside it.
class HelpWindow final : public QWidget {
  Q_OBJECT

 public:

  explicit HelpWindow(std::filesystem::path help_folder, QWidget* parent = nullptr);

  // Shows the topic's page and brings the window forward; an unknown topic shows the index with a
  // line saying that the topic has no page.
  void ShowTopic(int topic);
  void ShowIndex();
  int Topic() const { return topic_; }  // 0 for the index
  QTextBrowser* Browser() const { return browser_; }

  static std::filesystem::path HelpFolderOf(const std::filesystem::path& program_folder);

 private:
  bool ShowPage(const std::filesystem::path& page);

  std::filesystem::path help_folder_;
  QTextBrowser* browser_ = nullptr;
  int topic_ = 0;
};

}  // namespace kirvo
