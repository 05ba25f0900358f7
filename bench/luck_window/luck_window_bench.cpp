// The luck window, offscreen: opening one for a typed person (the chart session, the window with
// its table of 13 periods at the level pair of the settings, the side panel showing the highlighted
// period's chart, the first paint of both), and one step to the next period with its repaint.
// Google Benchmark with a QApplication of its own.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/bridge/fonts.h"
#include "../app/bench_program.h"
#include "app/luck/luck_window.h"
#include "app/frame/side_panel.h"
#include "app/services/app_services.h"
#include "calendar/date_time.h"
#include "platform/console_interaction.h"
#include "presentation/luck/luck_session.h"

namespace {

using namespace kirvo;

using bench::TheProgram;

const BirthInput kPerson{"山田太郎", *BirthOfText("1984/02/10 12:30"), Sex::kMale};
const DateTime kNow = *DateTime::ParseDateTimeText("2026/12/10 15:00");

ChartSession ComputedSession(LuckRange range) {
  ChartSession session = std::move(ChartSession::Create(TheProgram().services->core(), kPerson, kNow)).value();
  session.SetRange(range);
  if (!session.Compute()) std::abort();  // the person's chart moment lies in the computed years
  return session;
}

LuckWindow* NewLuckWindow(AppServices& services, LuckLevel level) {
  LuckSession session(services.core(), ComputedSession(LuckRange::kHourLuck), level);
  return new LuckWindow({services.sys(), services.interaction(), {}}, QStringLiteral("山田太郎 さんの行運"),
                        std::move(session));
}

void BM_OpenLuckWindow(benchmark::State& state) {
  AppServices& services = *TheProgram().services;
  const ChartRules rules(services.usys(), services.sys());
  SidePanel panel(rules, {}, services.explanations());
  panel.resize(300, 1000);
  panel.show();
  const LuckLevel level = *LuckLevelOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::unique_ptr<LuckWindow> window(NewLuckWindow(services, level));
    window->resize(780, 620);
    window->show();
    panel.SetContent(window->session().content());
    window->repaint();
    panel.repaint();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenLuckWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StepLuckWindow(benchmark::State& state) {
  AppServices& services = *TheProgram().services;
  std::unique_ptr<LuckWindow> window(NewLuckWindow(services, LuckLevel::kYear));
  window->Command(LuckCommand::kNow)->trigger();
  window->resize(780, 620);
  window->show();
  bool forward = true;
  for (auto _ : state) {
    window->Command(forward ? LuckCommand::kNext : LuckCommand::kPrevious)->trigger();
    window->repaint();
    forward = !forward;
  }
}
BENCHMARK(BM_StepLuckWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  UseJapaneseFonts();
  QApplication::setFont(QFontOf(TheProgram().services->sys().SysFont));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
