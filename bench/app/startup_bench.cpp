// kirvo_startup_bench [RUNS]: starts itself RUNS times (default 10) as a child process that goes
// through the program's start-up as kirvolan does, in a fresh program folder under the offscreen
// platform, and measures each child from its start until it reports its main window shown and its
// event loop idle. Prints every run and the minimum and median in milliseconds.
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/bridge/fonts.h"
#include "app/frame/program.h"
#include "app/frame/single_instance.h"
#include "platform/console_interaction.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "presentation/services/frame_constants.h"

namespace {

constexpr char kChildFlag[] = "--child";
constexpr char kIdleLine[] = "idle";

// What main() of the program does, ending once the event loop is idle with the window shown.
int RunChild(int argc, char** argv) {
  QApplication application(argc, argv);
  kirvo::UseJapaneseFonts();
  const std::filesystem::path store_file = kirvo::DefaultSettingsStorePath();
  kirvo::SingleInstance instance(QString::fromStdString(store_file.parent_path().string()),
                                 QString::fromLatin1(kirvo::kSingleInstanceLockName.data()));
  if (!instance.Acquire()) return 3;
  kirvo::ConsoleInteraction interaction;
  int exit_code = 0;
  std::unique_ptr<kirvo::Program> program =
      kirvo::Program::Start({kirvo::ProgramFolder(), store_file}, interaction, exit_code);
  if (!program) return exit_code == 0 ? 1 : exit_code;
  instance.Listen();
  program->main_window().ShowAtStart();
  QTimer::singleShot(0, [] {
    std::puts(kIdleLine);
    std::fflush(stdout);
    QApplication::exit(0);
  });
  return QApplication::exec();
}

void CopyProgramFiles(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  for (const fs::directory_entry& entry : fs::directory_iterator(KIRVO_SHIPPED_DIR)) {
    fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
  }
  fs::copy(fs::path(KIRVO_PROGRAM_DIR) / "help", folder / "help",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == kChildFlag) return RunChild(argc, argv);
  QCoreApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  QTemporaryDir folder, store;
  CopyProgramFiles(folder.path().toStdString());

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("KIRVO_HOME"), folder.path());
  environment.insert(QStringLiteral("KIRVO_STORE_DIR"), store.path());
  if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  }
  std::vector<double> times_ms;
  for (int run = 0; run < runs; ++run) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto start = std::chrono::steady_clock::now();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag)});
    bool idle = false;
    while (!idle && child.waitForReadyRead(30000)) {
      while (child.canReadLine()) idle = idle || child.readLine().trimmed() == kIdleLine;
    }
    const auto end = std::chrono::steady_clock::now();
    child.waitForFinished(30000);
    if (!idle) {
      std::fprintf(stderr, "run %d: the program did not come up (exit %d)\n", run + 1, child.exitCode());
      return 1;
    }
    times_ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    std::printf("run %2d: %7.1f ms\n", run + 1, times_ms.back());
  }
  std::vector<double> sorted = times_ms;
  std::sort(sorted.begin(), sorted.end());
  std::printf("start until shown and idle: min %.1f ms, median %.1f ms over %d runs\n", sorted.front(),
              sorted[sorted.size() / 2], runs);
  return 0;
}
