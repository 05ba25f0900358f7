#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "engine/chart_record.h"
#include "presentation/persons/person_list_file.h"
#include "presentation/frame/help_topics.h"

class QWidget;

namespace kirvo {

class AppServices;
class PersonListWindow;

// The main window's side of the person list: the list and its name file, what the commands 新規作成,
// 開く, 上書き保存, 名前を付けて保存 and 名前リスト do, registration before a chart window opens, the
// name drop-down's rows, the recent files' opening and the first step of closing. It owns the list
// window and keeps the caption of `frame`, which the frame connects to its commands.
class PersonFileCommands : public QObject {
  Q_OBJECT

 public:
  // Asks for a file: caption and Qt filter → path, empty when cancelled.
  using OpenFileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
  // The same for a file to write, with the default suffix.
  using SaveFileChooser = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

  // Creates the list window over `frame` and loads the default name file of the system settings (a
  // missing one only shows its message). `show_help` shows a help topic over a window.
  PersonFileCommands(AppServices& services, QWidget& frame, std::function<void(QWidget*, HelpTopic)> show_help);

  // Registration of the entry before a chart window opens; false when the user declined to replace.
  bool Register(const BirthInput& input);
  // 開く of a path, also from the recent files; the path goes to the front of the recent files.
  bool OpenFile(const QString& path);
  void New();
  void Open();
  void Save();
  // False when nothing was saved (cancelled or failed).
  bool SaveAs();
  // The first step of closing; false: the close stops and the list stays.
  bool CloseQuery();
  void ShowList();

  PersonListFile& file() { return file_; }
  PersonListWindow* window() const { return window_; }
  void SetFileChoosers(OpenFileChooser open, SaveFileChooser save);

 signals:
  // A name file was opened by any means (its full path), for the recent files.
  void fileOpened(const QString& path);

 private:
  void ListReplaced();

  AppServices& services_;
  QWidget& frame_;
  PersonListFile file_;
  PersonListWindow* window_ = nullptr;
  OpenFileChooser choose_open_;
  SaveFileChooser choose_save_;
};

}  // namespace kirvo
