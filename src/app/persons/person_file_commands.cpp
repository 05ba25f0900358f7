#include "app/persons/person_file_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>

#include "app/bridge/text.h"
#include "calendar/sexagenary.h"
#include "app/persons/file_dialogs.h"
#include "app/persons/person_list_window.h"
#include "app/services/app_services.h"

namespace kirvo {
namespace {

// The name-file dialogs' filter in Qt's form.
const QString& NameFileFilter() {
  static const QString kFilter = QtFileFilter(kNameFileFilter);
  return kFilter;
}

}  // namespace

PersonFileCommands::PersonFileCommands(AppServices& services, QWidget& frame,
                                       std::function<void(QWidget*, HelpTopic)> show_help)
    : QObject(&frame),
      services_(services),
      frame_(frame),
      file_(services.program_folder(), services.sys().FileE),
      choose_open_([&folders = services.dialog_folders()](QWidget* parent, const QString& caption,
                                                          const QString& filter) {
        return NativeOpenFile(parent, caption, filter, folders);
      }),
      choose_save_([&folders = services.dialog_folders()](QWidget* parent, const QString& caption,
                                                          const QString& filter, const QString& suffix) {
        return NativeSaveFile(parent, caption, filter, suffix, folders);
      }) {
  PersonListNeeds needs{services_.sys(), [&core = services_.core()] { return core.rules(); }, services_.interaction(),
                        [this, show_help = std::move(show_help)](HelpTopic topic) { show_help(window_, topic); }};
  window_ = new PersonListWindow(std::move(needs), file_, &frame_);
  // The list's CSV export asks through the same dialogs, opening where they do.
  window_->SetSaveFileChooser(choose_save_);
  // At start a missing default file only shows its message; the list starts empty under its name.
  if (file_.Load(services_.sys().FileE, services_.interaction())) {
    frame_.setWindowTitle(ToQString(file_.Caption(services_.title())));
  }
  window_->Reload();
}

void PersonFileCommands::SetFileChoosers(OpenFileChooser open, SaveFileChooser save) {
  choose_open_ = std::move(open);
  choose_save_ = std::move(save);
  window_->SetSaveFileChooser(choose_save_);
}

void PersonFileCommands::ListReplaced() {
  frame_.setWindowTitle(ToQString(file_.Caption(services_.title())));
  window_->Reload();
}

bool PersonFileCommands::Register(const BirthInput& input) {
  const bool proceed = file_.list().Register(input, services_.interaction());
  window_->Reload();
  return proceed;
}

bool PersonFileCommands::OpenFile(const QString& path) {
  const bool loaded = file_.Load(ToUtf8(path), services_.interaction());
  if (loaded) ListReplaced();
  emit fileOpened(QFileInfo(path).absoluteFilePath());
  return loaded;
}

void PersonFileCommands::New() {
  if (file_.New(services_.interaction())) ListReplaced();
}

void PersonFileCommands::Open() {
  const QString path = choose_open_(&frame_, QStringLiteral("開く"), NameFileFilter());
  if (!path.isEmpty()) OpenFile(path);
}

void PersonFileCommands::Save() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status saved = file_.Save();
  QApplication::restoreOverrideCursor();
  ShowFailure(saved, services_.interaction());
}

bool PersonFileCommands::SaveAs() {
  const QString path =
      choose_save_(&frame_, QStringLiteral("名前を付けて保存"), NameFileFilter(), QStringLiteral("nam"));
  if (path.isEmpty()) return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status saved = file_.SaveAs(ToUtf8(path));
  QApplication::restoreOverrideCursor();
  ShowFailure(saved, services_.interaction());
  if (saved) frame_.setWindowTitle(ToQString(file_.Caption(services_.title())));
  return saved.ok();
}

bool PersonFileCommands::CloseQuery() {
  switch (file_.CloseQuery(services_.interaction())) {
    case CloseAnswer::kProceed:
      return true;
    case CloseAnswer::kSaveAs:
      // A cancelled or failed save keeps the program open rather than lose the new list.
      return SaveAs();
    case CloseAnswer::kCancel:
      return false;
  }
  return false;
}

void PersonFileCommands::ShowList() {
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace kirvo
