// How long the side panel takes to show a chart: SetContent with one chart's content and a
// synchronous repaint of the whole panel, offscreen. The contents are computed beforehand (their
// cost is the content benchmark's); charts alternate so that every refresh changes the texts.
//
//   kirvo_panel_bench [REFRESHES]     (default 2000)
#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/bridge/fonts.h"
#include "app/frame/side_panel.h"
#include "app/widgets/content_grid_view.h"
#include "presentation/panel/chart_content_explanations.h"
#include "settings/program_settings.h"
#include "support/sample_chart.h"

namespace {

using namespace kirvo;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the whole process (the toolkit paints with helper threads), in milliseconds: on a
// machine shared with other work it says more than the wall clock.
double ProcessCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A few births of different years, seasons and sexes, each seen in its own range.
std::vector<samples::SampleBirth> Births() {
  std::vector<samples::SampleBirth> births = {samples::HandCheckedBirth()};
  births.push_back(
      {BirthInput{"山田花子", *BirthOfText("1972/07/23 05:40"), Sex::kFemale}, "2024/05/01 12:00", LuckRange::kYearLuck});
  births.push_back(
      {BirthInput{"佐藤一郎", *BirthOfText("2001/11/30 99:99"), Sex::kMale}, "2026/01/15 08:00", LuckRange::kNatalOnly});
  births.push_back(
      {BirthInput{"鈴木陽子", *BirthOfText("1958/01/04 23:10"), Sex::kFemale}, "2000/09/09 18:30", LuckRange::kHourLuck});
  return births;
}

// Counts the paint events of a widget, to show that every refresh really painted.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int refreshes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  QApplication::setFont(QFontOf(settings.sys.SysFont));
  LoadedExplanations explanations = LoadedExplanations::Shipped();
  std::vector<ChartContent> contents;
  for (const samples::SampleBirth& birth : Births()) {
    contents.push_back(samples::SampleChartContent(birth, rules, {}, explanations));
  }

  const Clock::time_point opening = Clock::now();
  SidePanel panel(rules, {}, explanations);
  panel.resize(300, 1000);
  panel.show();
  while (panel.windowHandle() == nullptr || !panel.windowHandle()->isExposed()) QApplication::processEvents();
  panel.repaint();
  const double open_ms = MillisecondsSince(opening);

  PaintCounter counter;
  panel.GridView(CopyableGrid::kContentTable)->viewport()->installEventFilter(&counter);

  std::printf("side panel, offscreen, %d refreshes of each kind\n", refreshes);
  std::printf("  opening (construct, show, first paint): %.2f ms\n", open_ms);
  const auto measure = [&](const char* what, auto&& step) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(refreshes));
    const double cpu_start = ProcessCpuMilliseconds();
    for (int i = 0; i < refreshes; ++i) {
      const Clock::time_point start = Clock::now();
      step(i);
      times.push_back(MillisecondsSince(start));
    }
    const double cpu = (ProcessCpuMilliseconds() - cpu_start) / refreshes;
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times) total += t;
    std::printf("  %-22s wall: mean %.3f ms, median %.3f ms, 95th percentile %.3f ms; CPU: mean %.3f ms\n", what,
                total / refreshes, times[times.size() / 2], times[times.size() * 95 / 100], cpu);
  };
  const auto content_of = [&](int i) -> const ChartContent& {
    return contents[static_cast<std::size_t>(i) % contents.size()];
  };
  measure("SetContent + repaint:", [&](int i) {
    panel.SetContent(content_of(i));
    panel.repaint();
  });
  const int painted = counter.paints;
  measure("SetContent alone:", [&](int i) { panel.SetContent(content_of(i)); });
  measure("repaint alone:", [&](int) { panel.repaint(); });
  std::printf("  (the content table painted %d times in the first %d refreshes)\n", painted, refreshes);
  return 0;
}
