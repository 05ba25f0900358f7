#pragma once

// The program's services over a fresh copy of the shipped files, as start-up loads them: the
// common ground of the window benchmarks.
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "app/services/app_services.h"
#include "platform/console_interaction.h"

namespace kirvo::bench {

struct Program {
  QTemporaryDir folder;
  QTemporaryDir store;
  ConsoleInteraction interaction;
  std::unique_ptr<AppServices> services;

  Program() {
    namespace fs = std::filesystem;
    const fs::path to = folder.path().toStdString();
    for (const fs::directory_entry& entry : fs::directory_iterator(KIRVO_SHIPPED_DIR)) {
      fs::copy_file(entry.path(), to / entry.path().filename(), fs::copy_options::overwrite_existing);
    }
    services = std::move(AppServices::Open(to, fs::path(store.path().toStdString()) / "store.ini", interaction))
                   .value();
    services->LoadSystemSettings();
    services->LoadRuleSettings();
  }
};

// One program for the whole benchmark process.
inline Program& TheProgram() {
  static Program program;
  return program;
}

}  // namespace kirvo::bench
