#include "app/frame/program.h"

#include <QApplication>
#include <QLocale>

#include "app/bridge/fonts.h"
#include "app/frame/command_seams.h"
#include "app/frame/help_key.h"
#include "app/frame/program_icon.h"
#include "platform/free_resources.h"
#include "presentation/services/frame_constants.h"
#include "presentation/services/required_files.h"
#include "presentation/services/resource_check.h"

namespace kirvo {

constexpr int kExitStartFailed = 1;

std::unique_ptr<Program> Program::Start(const ProgramEnvironment& environment, Interaction& interaction,
                                        int& exit_code) {
  exit_code = kExitStartFailed;
  if (!PassesResourceCheck(QueryFreeResources(), kStartResourceThreshold, interaction)) {
    interaction.ShowMessage(MessageKind::kWarning, kStartResourcesMessage);
    return nullptr;
  }
  // The help file until the branding names another: the help index.
  if (const std::optional<std::string> missing = FirstMissingRequiredFile(environment.program_folder, kHelpIndexFile)) {
    interaction.ShowMessage(MessageKind::kError, MissingFileMessage(*missing));
    return nullptr;
  }
  // Dates read and written as "YYYY/MM/DD" throughout: the Japanese short date format.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  // Every window shows the program's icon.
  QApplication::setWindowIcon(ProgramIcon());

  Outcome<std::unique_ptr<AppServices>> services =
      AppServices::Open(environment.program_folder, environment.store_file, interaction);
  if (!ShowFailure(services, interaction)) return nullptr;
  std::unique_ptr<Program> program(new Program());
  program->services_ = std::move(services).value();
  program->hub_ = std::make_unique<SettingsHub>(*program->services_);
  // The windows in their order: the main window, the system settings, the rule settings; the
  // person list, tools settings, memo settings and notices follow them once they exist.
  program->main_window_ = std::make_unique<MainWindow>(*program->services_);
  // F1 opens the help page of the window it is pressed in.
  MainWindow* main_window = program->main_window_.get();
  AppServices* app_services = program->services_.get();
  QApplication::instance()->installEventFilter(new HelpKey(
      [main_window, app_services](HelpTopic topic) { ShowHelpTopic(main_window, *app_services, topic); }, main_window));
  program->services_->LoadSystemSettings();
  program->services_->LoadRuleSettings();
  program->main_window_->CloseSplash();
  UseProgramFont(program->services_->sys().SysFont);
  program->main_window_->ApplySystemSettings();
  QObject::connect(program->hub_.get(), &SettingsHub::systemSettingsChanged, main_window,
                   [app_services] { UseProgramFont(app_services->sys().SysFont); });
  QObject::connect(program->hub_.get(), &SettingsHub::systemSettingsChanged, program->main_window_.get(),
                   &MainWindow::ApplySystemSettings);
  QObject::connect(program->main_window_.get(), &MainWindow::systemSettingsEdited, program->hub_.get(),
                   &SettingsHub::CommitSystemSettings);
  QObject::connect(program->main_window_.get(), &MainWindow::ruleSettingsEdited, program->hub_.get(),
                   &SettingsHub::CommitRuleSettings);
  // A rule change reaches the chart windows and the panel the same way.
  QObject::connect(program->hub_.get(), &SettingsHub::ruleSettingsChanged, program->main_window_.get(),
                   &MainWindow::ApplySystemSettings);
  exit_code = 0;
  return program;
}

Program::~Program() = default;

}  // namespace kirvo
