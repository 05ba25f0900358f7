#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "app/frame/program.h"
#include "support/recording_interaction.h"

namespace kirvo {

// A program folder of its own for one test: a fresh copy of the shipped files and the help pages,
// with the per-user store in another temporary folder (also named by KIRVO_STORE_DIR).
class ProgramFixture {
 public:
  ProgramFixture();

  std::filesystem::path folder() const { return folder_.path().toStdString(); }
  std::filesystem::path store_file() const;
  ProgramEnvironment environment() const { return {folder(), store_file()}; }

  // Runs start-up with the scripted interaction; nothing when it ends the program.
  std::unique_ptr<Program> Start();
  // Starts and shows the main window at a fixed size, not maximized, and waits until it is shown.
  std::unique_ptr<Program> StartShown();

  RecordingInteraction interaction;
  int exit_code = -1;

 private:
  QTemporaryDir folder_;
  QTemporaryDir store_;
};

}  // namespace kirvo
