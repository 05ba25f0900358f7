// The chart window, offscreen: opening one for a typed person (session, full pipeline, content,
// the window, the side panel showing the content, and the first paint of both), and one step to
// the next period with its repaint. Google Benchmark with a QApplication of its own.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/bridge/fonts.h"
#include "../app/bench_program.h"
#include "app/chart/chart_window.h"
#include "app/frame/side_panel.h"
#include "app/services/app_services.h"
#include "calendar/date_time.h"
#include "platform/console_interaction.h"

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

void BM_OpenChartWindow(benchmark::State& state) {
  AppServices& services = *TheProgram().services;
  const ChartRules rules(services.usys(), services.sys());
  SidePanel panel(rules, {}, services.explanations());
  panel.resize(300, 1000);
  panel.show();
  const auto range = *LuckRangeOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto window = std::make_unique<ChartWindow>(services.sys(), services.interaction(), QStringLiteral("山田太郎 さんの命式"), ComputedSession(range));
    window->show();
    panel.SetContent(window->session().content());
    window->repaint();
    panel.repaint();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenChartWindow)->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_StepChartWindow(benchmark::State& state) {
  AppServices& services = *TheProgram().services;
  const auto range = *LuckRangeOf(static_cast<int>(state.range(0)));
  ChartWindow window(services.sys(), services.interaction(), QStringLiteral("山田太郎 さんの命式"), ComputedSession(range));
  window.show();
  bool forward = true;
  for (auto _ : state) {
    // Back and forth, so that every step computes a chart that differs from the last.
    window.Command(forward ? ChartCommand::kNext : ChartCommand::kPrevious)->trigger();
    window.repaint();
    forward = !forward;
  }
}
BENCHMARK(BM_StepChartWindow)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

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
