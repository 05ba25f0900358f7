// kirvo-screenshot OUTPUT.png: starts the program in a fresh program folder, opens the chart of a
// sample person and renders the main window into a PNG. Runs offscreen unless a platform is set.
#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "frame/japanese_font.h"
#include "program_fixture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: kirvo-screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kirvo::UseJapaneseFonts();
  kirvo::ProgramFixture fixture;
  std::unique_ptr<kirvo::Program> program = fixture.StartShown();
  if (!program) {
    std::fputs("the program did not start\n", stderr);
    return 1;
  }
  kirvo::MainWindow& window = program->main_window();
  window.resize(1280, 800);
  window.entry_bar()->SetFields({"山田太郎", 0, "1984/02/10", "12:30"});
  window.RunChartCommand();
  window.entry_bar()->SetFields({"佐藤花子", 1, "1990/07/23", "99:99"});
  QTest::qWait(200);
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
