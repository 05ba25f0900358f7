#include "program_fixture.h"

#include <QTest>

namespace kirvo {

ProgramFixture::ProgramFixture() {
  namespace fs = std::filesystem;
  const fs::path shipped = KIRVO_SHIPPED_DIR;
  for (const fs::directory_entry& entry : fs::directory_iterator(shipped)) {
    fs::copy_file(entry.path(), folder() / entry.path().filename());
  }
  fs::copy(fs::path(KIRVO_PROGRAM_DIR) / "help", folder() / "help", fs::copy_options::recursive);
  qputenv("KIRVO_STORE_DIR", store_.path().toUtf8());
}

std::filesystem::path ProgramFixture::store_file() const {
  return std::filesystem::path(store_.path().toStdString()) / "KirvoStore.txt";
}

std::unique_ptr<Program> ProgramFixture::Start() { return Program::Start(environment(), interaction, exit_code); }

std::unique_ptr<Program> ProgramFixture::StartShown() {
  std::unique_ptr<Program> program = Start();
  if (!program) return program;
  MainWindow& window = program->main_window();
  window.resize(1200, 800);
  window.show();
  window.activateWindow();
  if (!QTest::qWaitForWindowExposed(&window)) return nullptr;
  return program;
}

}  // namespace kirvo
