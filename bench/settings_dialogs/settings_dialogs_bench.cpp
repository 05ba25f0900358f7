// The two settings dialogs, offscreen: opening one on the settings of the shipped files (every
// control built, bound and filled, the grids over the tables, the branding applied), showing it and
// its first paint. Google Benchmark with a QApplication of its own.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/bridge/fonts.h"
#include "../app/bench_program.h"
#include "app/services/app_services.h"
#include "app/settings_dialogs/rule_settings_dialog.h"
#include "app/settings_dialogs/sys_settings_dialog.h"
#include "platform/console_interaction.h"

namespace {

using namespace kirvo;

using bench::TheProgram;

template <class Dialog>
void OpenAndPaint(benchmark::State& state, const std::function<std::unique_ptr<Dialog>()>& open) {
  for (auto _ : state) {
    std::unique_ptr<Dialog> dialog = open();
    dialog->show();
    dialog->repaint();
    state.PauseTiming();
    dialog.reset();
    state.ResumeTiming();
  }
}

void BM_OpenRuleSettings(benchmark::State& state) {
  AppServices& services = *TheProgram().services;
  USysSettings settings = services.usys();
  OpenAndPaint<RuleSettingsDialog>(state, [&] {
    return std::make_unique<RuleSettingsDialog>(RuleSettingsNeeds{settings, services.sys(), services.program_folder(),
                                                                  services.interaction(), services.branding(), nullptr,
                                                                  nullptr, nullptr});
  });
}
BENCHMARK(BM_OpenRuleSettings)->Unit(benchmark::kMillisecond);

void BM_OpenSystemSettings(benchmark::State& state) {
  AppServices& services = *TheProgram().services;
  SysSettings settings = services.sys();
  OpenAndPaint<SysSettingsDialog>(state, [&] {
    return std::make_unique<SysSettingsDialog>(SysSettingsNeeds{settings, services.program_folder(), services.store(),
                                                                services.branding(), services.interaction(), nullptr,
                                                                nullptr, nullptr, nullptr});
  });
}
BENCHMARK(BM_OpenSystemSettings)->Unit(benchmark::kMillisecond);

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
