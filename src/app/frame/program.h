#pragma once

#include <filesystem>
#include <memory>

#include "app/frame/main_window.h"
#include "platform/interaction.h"
#include "app/services/app_services.h"
#include "app/services/settings_hub.h"

namespace kirvo {

// Where the program runs: its program folder and its per-user store.
struct ProgramEnvironment {
  std::filesystem::path program_folder;
  std::filesystem::path store_file;
};

// The program after start-up: the services, the settings hub and the main window, for the run.
class Program {
 public:
  // The start-up sequence after the single-instance lock: the free-resource check, the title and
  // help file, the required files of the program folder, the date format, then the windows in
  // their order. Nothing when the program must end; `exit_code` then says how. The main window is
  // not shown yet.
  static std::unique_ptr<Program> Start(const ProgramEnvironment& environment, Interaction& interaction,
                                        int& exit_code);
  ~Program();

  AppServices& services() { return *services_; }
  SettingsHub& settings_hub() { return *hub_; }
  MainWindow& main_window() { return *main_window_; }

 private:
  Program() = default;
  std::unique_ptr<AppServices> services_;
  std::unique_ptr<SettingsHub> hub_;
  std::unique_ptr<MainWindow> main_window_;
};

}  // namespace kirvo
