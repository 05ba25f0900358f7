// What the main window keeps between runs: the recent files in the per-user store, the toolbar
// places in KIRVO.ini; and the list of its windows for the display settings.
#include <QDir>
#include <QFileInfo>

#include "app/bridge/text.h"
#include "app/frame/main_window.h"
#include "app/persons/person_file_commands.h"
#include "platform/text_file.h"
#include "presentation/services/frame_constants.h"
#include "app/services/app_services.h"

namespace kirvo {
namespace {

constexpr char kDisplaySettingsQuestion[] = "表示設定項目データ出力をしますか？";
constexpr char kDisplaySettingsFile[] = "KRVDisp.set";

}  // namespace

void MainWindow::RestoreBarPlaces() {
  RestoreBarPositions(this, toolbars_, side_panel_, services_.window_states().ReadIni(true));
}

void MainWindow::SaveBarPlaces() {
  services_.window_states().UpdateIni([this](IniFile& ini) { SaveBarPositions(this, toolbars_, side_panel_, ini); });
}

void MainWindow::LoadRecentFiles() {
  recent_files_ = RecentFiles::FromStoredText(services_.store().ReadString(kRecentFilesKey, kRecentFilesValue));
  RebuildRecentFilesMenu();
}

void MainWindow::SaveRecentFiles() {
  const Status written = services_.store().WriteString(kRecentFilesKey, kRecentFilesValue, recent_files_.StoredText());
  ShowFailure(written, services_.interaction());
}

void MainWindow::RebuildRecentFilesMenu() {
  QMenu* file_menu = menu(MainMenu::kFile);
  for (QAction* item : recent_file_items_) {
    file_menu->removeAction(item);
    item->deleteLater();
  }
  recent_file_items_.clear();
  const std::vector<std::string>& paths = recent_files_.paths();
  if (paths.empty()) return;
  recent_file_items_.append(file_menu->addSeparator());
  for (std::size_t i = 0; i < paths.size(); ++i) {
    QAction* item = file_menu->addAction(ToQString(RecentFiles::MenuCaption(i, paths[i])));
    const QString path = ToQString(paths[i]);
    connect(item, &QAction::triggered, this, [this, path] {
      // A file that no longer exists beeps and says so, as 開く does, and keeps its entry; one that
      // does is opened by the person list, from its own folder.
      const QFileInfo file(path);
      if (!file.exists()) {
        services_.interaction().Beep();
        services_.interaction().ShowMessage(MessageKind::kWarning, MissingNameFileMessage(ToUtf8(path)));
        return;
      }
      QDir::setCurrent(file.absolutePath());
      persons_->OpenFile(path);
    });
    recent_file_items_.append(item);
  }
}

void MainWindow::NoteOpenedFile(const QString& path) {
  recent_files_.Opened(ToUtf8(path));
  RebuildRecentFilesMenu();
}

void MainWindow::ExportDisplaySettingsNames() {
  if (!services_.interaction().AskYesNo(kDisplaySettingsQuestion)) return;
  std::string names = ToUtf8(objectName()) + "\n";
  for (const QMdiSubWindow* child : client_->subWindowList(QMdiArea::CreationOrder)) {
    if (child->widget()) names += ToUtf8(child->widget()->objectName()) + "\n";
  }
  const Status written = WriteShiftJisFile(services_.program_folder() / kDisplaySettingsFile, names);
  ShowFailure(written, services_.interaction());
}

}  // namespace kirvo
