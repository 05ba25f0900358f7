// Draws the side panel filled with a sample chart, the version dialog and the splash window
// offscreen and saves them as PNG pictures:
//
//   kirvo_panel_screenshot [OUTPUT_FOLDER]     (default: the current folder)
//
// writes side_panel.png (格局 tab in front), side_panel_spirit_stars.png (神殺 tab),
// version_dialog.png, splash.png and help_10004.png (the side panel's help page). The program
// folder is the build's.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "app/bridge/fonts.h"
#include "app/frame/help_window.h"
#include "app/frame/side_panel.h"
#include "app/frame/splash_window.h"
#include "app/frame/version_dialog.h"
#include "app/widgets/explanation_area.h"
#include "presentation/panel/chart_content_explanations.h"
#include "presentation/frame/help_topics.h"
#include "settings/program_settings.h"
#include "support/sample_chart.h"

namespace {

using namespace kirvo;

constexpr std::string_view kApplicationTitle = "Kirvolan Ver1.54";
constexpr int kPanelWidthPx = 300, kPanelHeightPx = 1010;

bool Save(QWidget& widget, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (!widget.grab().save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;

  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  QApplication::setFont(QFontOf(settings.sys.SysFont));  // as the program sets it from the system font
  LoadedExplanations explanations = LoadedExplanations::Shipped();

  SidePanel panel(rules, {}, explanations);
  panel.resize(kPanelWidthPx, kPanelHeightPx);
  panel.SetContent(samples::SampleChartContent(samples::HandCheckedBirth(), rules, {}, explanations));
  // Every section in the picture, the stem numbers too (the shipped settings hide them).
  for (std::size_t section = 0; section < kContentSectionNames.size(); ++section) {
    panel.SetSectionShown(static_cast<ContentSection>(section), true);
  }
  panel.show();
  QApplication::processEvents();
  panel.Explanations()->setCurrentIndex(ExplanationArea::kPatternTab);
  bool saved = Save(panel, folder, "side_panel.png");
  panel.Explanations()->setCurrentIndex(ExplanationArea::kSpiritStarTab);
  saved = Save(panel, folder, "side_panel_spirit_stars.png") && saved;

  const std::filesystem::path program_folder = KIRVO_PROGRAM_DIR;
  VersionDialog version(kApplicationTitle, std::nullopt, program_folder, "https://support.example.invalid/");
  version.show();
  QApplication::processEvents();
  saved = Save(version, folder, "version_dialog.png") && saved;

  SplashWindow splash(kApplicationTitle, std::nullopt, program_folder);
  splash.show();
  QApplication::processEvents();
  saved = Save(splash, folder, "splash.png") && saved;
  splash.hide();

  HelpWindow help(HelpWindow::HelpFolderOf(program_folder));
  help.ShowTopic(HelpTopicNumber(HelpTopic::kSidePanel));
  QApplication::processEvents();
  saved = Save(help, folder, "help_10004.png") && saved;
  return saved ? 0 : 1;
}
