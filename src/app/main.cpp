// Kirvolan, the desktop program: builds the services, the Qt interaction and the main window, and
// runs the event loop. `kirvolan [--quit-after-start] [FILE.nam]`: a name file given opens in the
// person list, in the program already running if there is one.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "app/bridge/fonts.h"
#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/frame/program.h"
#include "app/frame/qt_translations.h"
#include "app/frame/single_instance.h"
#include "app/frame/start_request.h"
#include "app/services/qt_interaction.h"
#include "platform/per_user_folder.h"
#include "platform/settings_store.h"
#include "presentation/services/frame_constants.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  kirvo::UseJapaneseFonts();
  kirvo::UseJapaneseStandardDialogs(application);
  const kirvo::StartRequest request = kirvo::ParseStartRequest(QApplication::arguments(), QDir::currentPath());

  // One program per user: a second start hands its files to the running one, brings it forward and
  // ends silently; files it could not hand over are named in a message, not dropped.
  const std::filesystem::path store_file = kirvo::DefaultSettingsStorePath();
  kirvo::SingleInstance instance(kirvo::PathText(store_file.parent_path()),
                                 kirvo::ToQString(kirvo::kSingleInstanceLockName));
  if (!instance.Acquire()) {
    if (instance.ActivateRunning(request.files) || request.files.isEmpty()) return 0;
    kirvo::QtInteraction interaction;
    interaction.SetTitle(kirvo::ToQString(kirvo::kApplicationTitle));
    interaction.ShowMessage(kirvo::MessageKind::kError, kirvo::ToUtf8(kirvo::ToQString(kirvo::kFilesNotHandedOver) +
                                                                    QLatin1Char('\n') + request.files.join(QLatin1Char('\n'))));
    return 1;
  }

  kirvo::QtInteraction interaction;
  interaction.SetTitle(kirvo::ToQString(kirvo::kApplicationTitle));
  QApplication::setApplicationDisplayName(kirvo::ToQString(kirvo::kApplicationTitle));
  // An installed program works in the per-user folder, filled from the installed files at its
  // first start; what an upgrade would have changed in the user's files is told, once.
  const kirvo::PreparedProgramFolder folder = kirvo::PrepareProgramFolder();
  for (const std::string& notice : folder.notices) interaction.ShowMessage(kirvo::MessageKind::kInformation, notice);
  int exit_code = 0;
  std::unique_ptr<kirvo::Program> program =
      kirvo::Program::Start({folder.choice.folder, store_file}, interaction, exit_code);
  if (!program) return exit_code;

  kirvo::MainWindow& main_window = program->main_window();
  interaction.SetParent(&main_window);
  interaction.SetTitle(kirvo::ToQString(program->services().title()));
  QObject::connect(&instance, &kirvo::SingleInstance::filesRequested, &main_window, &kirvo::MainWindow::OpenNameFiles);
  QObject::connect(&instance, &kirvo::SingleInstance::activationRequested, &main_window,
                   &kirvo::MainWindow::BringToFront);
  instance.Listen();
  main_window.ShowAtStart();
  main_window.OpenNameFiles(request.files);
  if (request.quit_after_start) QTimer::singleShot(0, &application, &QApplication::quit);
  return QApplication::exec();
}
