// Kirvolan, the desktop program: builds the services, the Qt interaction and the main window, and
// runs the event loop. It takes no arguments of its own.
#include <QApplication>

#include "app/bridge/fonts.h"
#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/frame/program.h"
#include "app/frame/qt_translations.h"
#include "app/frame/single_instance.h"
#include "app/services/qt_interaction.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "presentation/services/frame_constants.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  kirvo::UseJapaneseFonts();
  kirvo::UseJapaneseStandardDialogs(application);

  // One program per user: a second start brings the running one forward and ends silently.
  const std::filesystem::path store_file = kirvo::DefaultSettingsStorePath();
  kirvo::SingleInstance instance(kirvo::PathText(store_file.parent_path()),
                                 kirvo::ToQString(kirvo::kSingleInstanceLockName));
  if (!instance.Acquire()) {
    instance.ActivateRunning();
    return 0;
  }

  kirvo::QtInteraction interaction;
  interaction.SetTitle(kirvo::ToQString(kirvo::kApplicationTitle));
  QApplication::setApplicationDisplayName(kirvo::ToQString(kirvo::kApplicationTitle));
  int exit_code = 0;
  std::unique_ptr<kirvo::Program> program =
      kirvo::Program::Start({kirvo::ProgramFolder(), store_file}, interaction, exit_code);
  if (!program) return exit_code;

  kirvo::MainWindow& main_window = program->main_window();
  interaction.SetParent(&main_window);
  interaction.SetTitle(kirvo::ToQString(program->services().title()));
  QObject::connect(&instance, &kirvo::SingleInstance::activationRequested, &main_window,
                   &kirvo::MainWindow::BringToFront);
  instance.Listen();
  main_window.ShowAtStart();
  return QApplication::exec();
}
