#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "presentation/frame/help_topics.h"
#include "presentation/tools/backup.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;

namespace kirvo {

class BackgroundJob;
class Interaction;

// What the backup dialog is handed.
struct BackupNeeds {
  std::filesystem::path program_folder;
  SettingsStore& store;
  Interaction& interaction;
  std::string title;
  std::function<void(HelpTopic topic)> show_help;
  // Asks for a folder ("参照"); empty when the user gives none.
  std::function<QString(const QString& start)> choose_folder;
};

// "ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ": the kinds and the backup folder, both folders' summaries, and the two copies
// run on a worker thread behind a progress dialog with 中断. A completed restore asks the program
// to end (restoreCompleted), since what it replaced takes effect at the next start.
class BackupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BackupDialog(BackupNeeds needs, QWidget* parent = nullptr);
  ~BackupDialog() override;

  QCheckBox* kind_box(int kind) const { return kinds_[static_cast<std::size_t>(kind)]; }
  QLineEdit* folder_field() const { return folder_; }
  QLabel* program_summary() const { return program_summary_; }
  QLabel* backup_summary() const { return backup_summary_; }
  QPushButton* backup_button() const { return backup_; }
  QPushButton* restore_button() const { return restore_; }
  bool busy() const;

  void done(int result) override;

 signals:
  // A copy ended: completed or not.
  void copyFinished(bool completed);
  void restoreCompleted();

 private:
  BackupChoice Choice() const;
  void Refresh();
  void BackUpNow();
  void RestoreNow();
  void Run(std::function<CopyReport(JobControl&)> work, std::function<void(const CopyReport&)> done);

  BackupNeeds needs_;
  std::array<QCheckBox*, 4> kinds_{};
  QLineEdit* folder_ = nullptr;
  QLabel* program_summary_ = nullptr;
  QLabel* backup_summary_ = nullptr;
  QPushButton* backup_ = nullptr;
  QPushButton* restore_ = nullptr;
  BackgroundJob* job_ = nullptr;
  QProgressDialog* progress_ = nullptr;
  std::shared_ptr<CopyReport> report_;
};

}  // namespace kirvo
