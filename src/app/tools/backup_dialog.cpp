#include "app/tools/backup_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <system_error>

#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/jobs/background_job.h"
#include "platform/interaction.h"

namespace kirvo {

BackupDialog::BackupDialog(BackupNeeds needs, QWidget* parent) : QDialog(parent), needs_(std::move(needs)) {
  setObjectName(QStringLiteral("BackF"));
  setWindowTitle(ToQString(kBackupCaption));
  const BackupChoice choice = ReadBackupChoice(needs_.store);

  auto* program_folder = new QLabel(PathText(needs_.program_folder), this);
  program_folder->setObjectName(QStringLiteral("DirLabel"));
  program_summary_ = new QLabel(this);
  program_summary_->setObjectName(QStringLiteral("Panel1"));
  folder_ = new QLineEdit(PathText(choice.folder), this);
  folder_->setObjectName(QStringLiteral("Edit1"));
  auto* browse = new QPushButton(QStringLiteral("参照"), this);
  browse->setObjectName(QStringLiteral("RefBtn"));
  backup_summary_ = new QLabel(this);
  backup_summary_->setObjectName(QStringLiteral("Panel2"));
  for (QLabel* summary : {program_summary_, backup_summary_}) summary->setFrameShape(QFrame::StyledPanel);

  auto* kinds = new QGroupBox(QStringLiteral("バックアップ・リストアするデータ"), this);
  kinds->setObjectName(QStringLiteral("CG1"));
  auto* kind_column = new QVBoxLayout(kinds);
  for (std::size_t kind = 0; kind < kBackupKinds.size(); ++kind) {
    kinds_[kind] = new QCheckBox(ToQString(kBackupKinds[kind].caption), kinds);
    kinds_[kind]->setChecked((choice.kinds & (1 << kind)) != 0);
    kind_column->addWidget(kinds_[kind]);
    connect(kinds_[kind], &QCheckBox::toggled, this, &BackupDialog::Refresh);
  }

  backup_ = new QPushButton(QStringLiteral("バックアップ"), this);
  backup_->setObjectName(QStringLiteral("BackBtn"));
  restore_ = new QPushButton(QStringLiteral("リストア"), this);
  restore_->setObjectName(QStringLiteral("RestBtn"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  auto* help = new QPushButton(QStringLiteral("ヘルプ"), this);
  help->setObjectName(QStringLiteral("HelpBtn"));
  for (QPushButton* button : {browse, backup_, restore_, help}) button->setAutoDefault(false);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(new QLabel(QStringLiteral("●インストールされているフォルダ："), this));
  outer->addWidget(program_folder);
  outer->addWidget(program_summary_);
  outer->addWidget(new QLabel(QStringLiteral("●バックアップ先のフォルダ："), this));
  auto* folder_row = new QHBoxLayout;
  folder_row->addWidget(folder_, 1);
  folder_row->addWidget(browse);
  outer->addLayout(folder_row);
  outer->addWidget(backup_summary_);
  outer->addWidget(kinds);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(backup_);
  buttons->addWidget(restore_);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(help);
  outer->addLayout(buttons);

  job_ = new BackgroundJob(this);
  connect(folder_, &QLineEdit::textChanged, this, &BackupDialog::Refresh);
  connect(browse, &QPushButton::clicked, this, [this] {
    if (!needs_.choose_folder) return;
    const QString chosen = needs_.choose_folder(folder_->text());
    if (!chosen.isEmpty()) folder_->setText(chosen);
  });
  connect(backup_, &QPushButton::clicked, this, &BackupDialog::BackUpNow);
  connect(restore_, &QPushButton::clicked, this, &BackupDialog::RestoreNow);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  const auto open_help = [this] {
    if (needs_.show_help) needs_.show_help(HelpTopic::kBackup);
  };
  connect(help, &QPushButton::clicked, this, open_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, open_help);
  Refresh();
}

BackupDialog::~BackupDialog() = default;

bool BackupDialog::busy() const { return job_->running(); }

BackupChoice BackupDialog::Choice() const {
  BackupChoice choice;
  choice.kinds = 0;
  for (std::size_t kind = 0; kind < kinds_.size(); ++kind) {
    if (kinds_[kind]->isChecked()) choice.kinds |= 1 << kind;
  }
  choice.folder = PathOf(folder_->text());
  return choice;
}

void BackupDialog::Refresh() {
  const BackupChoice choice = Choice();
  backup_summary_->setText(ToQString(FolderSummary(choice.folder, choice.kinds)));
  program_summary_->setText(ToQString(FolderSummary(needs_.program_folder, choice.kinds)));
}

void BackupDialog::BackUpNow() {
  const BackupChoice choice = Choice();
  Interaction& interaction = needs_.interaction;
  if (MatchingFiles(needs_.program_folder, choice.kinds).empty()) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kInformation, kNothingToBackUp);
    return;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(choice.folder, error)) {
    interaction.Beep();
    if (!interaction.AskYesNo(kCreateFolderQuestion)) return;
    if (choice.folder.empty() || (!std::filesystem::create_directories(choice.folder, error) && error)) {
      interaction.Beep();
      interaction.ShowMessage(MessageKind::kError, kCreateFolderFailed);
      return;
    }
  }
  interaction.Beep();
  if (!interaction.AskYesNo(kBackupQuestion)) return;
  // The worker reads the store while the dialog is modal and nothing else writes it.
  const SettingsStore& store = needs_.store;
  Run([program = needs_.program_folder, choice, &store](
          JobControl& control) { return BackUp(program, choice.folder, choice.kinds, store, control); },
      [this](const CopyReport& report) {
        Refresh();
        needs_.interaction.Beep();
        if (report.complete()) {
          needs_.interaction.ShowMessage(MessageKind::kInformation, kBackupDone);
        } else {
          needs_.interaction.ShowMessage(MessageKind::kError, report.Message(kBackupNotCompleted));
        }
      });
}

void BackupDialog::RestoreNow() {
  const BackupChoice choice = Choice();
  Interaction& interaction = needs_.interaction;
  if (MatchingFiles(choice.folder, choice.kinds).empty()) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kInformation, kNothingToRestore);
    return;
  }
  interaction.Beep();
  if (!interaction.AskYesNo(RestoreQuestion(needs_.title))) return;
  SettingsStore& store = needs_.store;
  Run([program = needs_.program_folder, choice, &store](
          JobControl& control) { return Restore(program, choice.folder, choice.kinds, store, control); },
      [this](const CopyReport& report) {
        Refresh();
        needs_.interaction.Beep();
        if (!report.complete()) {
          needs_.interaction.ShowMessage(MessageKind::kError, report.Message(kRestoreNotCompleted));
          return;
        }
        needs_.interaction.ShowMessage(MessageKind::kInformation, RestoreDoneMessage(needs_.title));
        emit restoreCompleted();
      });
}

void BackupDialog::Run(std::function<CopyReport(JobControl&)> work, std::function<void(const CopyReport&)> done) {
  report_ = std::make_shared<CopyReport>();
  progress_ = new QProgressDialog(windowTitle(), QStringLiteral("中断"), 0, 100, this);
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(300);
  connect(progress_, &QProgressDialog::canceled, job_, &BackgroundJob::Cancel);
  connect(job_, &BackgroundJob::progressed, progress_, &QProgressDialog::setValue);
  QMetaObject::Connection* ended = new QMetaObject::Connection;
  *ended = connect(job_, &BackgroundJob::finished, this, [this, done = std::move(done), ended](bool completed) {
    disconnect(*ended);
    delete ended;
    progress_->deleteLater();
    progress_ = nullptr;
    CopyReport report = *report_;
    if (!completed) report.stopped = true;
    done(report);
    emit copyFinished(report.complete());
  });
  std::shared_ptr<CopyReport> report = report_;
  job_->Start([work = std::move(work), report](JobControl& control) {
    *report = work(control);
    return !report->stopped;
  });
}

void BackupDialog::done(int result) {
  if (busy()) return;  // a copy runs: 中断 first
  static_cast<void>(ShowFailure(WriteBackupChoice(needs_.store, Choice()), needs_.interaction));
  QDialog::done(result);
}

}  // namespace kirvo
