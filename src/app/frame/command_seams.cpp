#include "app/frame/command_seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "app/bridge/window_state.h"
#include "app/diagrams/five_element_diagram_window.h"
#include "app/diagrams/stem_branch_diagram_window.h"
#include "app/frame/help_window.h"
#include "app/frame/notices_window.h"
#include "app/frame/side_panel.h"
#include "app/frame/splash_window.h"
#include "app/frame/version_dialog.h"
#include "app/settings_dialogs/rule_settings_dialog.h"
#include "app/settings_dialogs/sys_settings_dialog.h"
#include "app/services/app_services.h"
#include "calendar/local_clock.h"

namespace kirvo {
namespace {

// A value of the notices feature.
constexpr char kSupportPageAddress[] = "https://kirvolan.example/support/";

}  // namespace

SidePanel* CreateSidePanel(AppServices& services, const ChartRules& rules, QWidget* parent) {
  return new SidePanel(rules, services.core().content_branding(), services.explanations(), parent);
}

std::unique_ptr<QWidget> ShowSplash(AppServices& services) {
  auto splash = std::make_unique<SplashWindow>(services.title(), services.branding(), services.program_folder());
  splash->show();
  return splash;
}

void ShowHelpTopic(QWidget* parent, AppServices& services, HelpTopic topic) {
  // Over a modal dialog the help belongs to the dialog: a window of its own would be blocked by it,
  // and the help must be readable while the dialog stays open.
  if (QWidget* modal = QApplication::activeModalWidget()) parent = modal;
  auto* help = parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (help == nullptr) help = new HelpWindow(HelpWindow::HelpFolderOf(services.program_folder()), parent);
  help->ShowTopic(HelpTopicNumber(topic));
}

void ShowVersionWindow(QWidget* parent, AppServices& services) {
  VersionDialog dialog(services.title(), services.branding(), services.program_folder(), kSupportPageAddress,
                            parent);
  dialog.exec();
}

void ShowNotices(QWidget* parent, AppServices& services) {
  auto* notices = parent->findChild<NoticesWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (notices == nullptr) notices = new NoticesWindow(services.store(), parent);
  notices->Reload();
  notices->show();
  notices->raise();
  notices->activateWindow();
}

namespace {

// A new diagram window of `parent`: placed where it was kept, keeping its placement when it
// closes, shown in front.
template <class Diagram>
void OpenDiagram(QWidget* parent, AppServices& services, KeptWindow kept) {
  auto* window = new Diagram(
      services.sys(), [parent, &services](HelpTopic topic) { ShowHelpTopic(parent, services, topic); }, parent);
  if (const std::optional<QRect> geometry = KeptGeometry(*window, services.window_states(), kept, window->DesignSize())) {
    window->ApplyKeptGeometry(*geometry);
  }
  new WindowStateKeeper(*window, services.window_states(), kept, WindowStateKeeper::SaveWhen::kItsClose);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

void OpenFiveElementDiagram(QWidget* parent, AppServices& services) {
  OpenDiagram<FiveElementDiagramWindow>(parent, services, KeptWindow::kFiveElementDiagram);
}

void OpenStemBranchDiagram(QWidget* parent, AppServices& services) {
  OpenDiagram<StemBranchDiagramWindow>(parent, services, KeptWindow::kStemBranchDiagram);
}

void RunRuleSettingsDialog(QWidget* parent, AppServices& services, USysSettings& settings) {
  RuleSettingsDialog dialog({settings, services.sys(), services.program_folder(), services.interaction(),
                             services.branding(),
                             [parent, &services](HelpTopic topic) { ShowHelpTopic(parent, services, topic); },
                             DistributionFileChooser(services.program_folder()), &LocalClockNow},
                            parent);
  dialog.exec();
}

void RunSystemSettingsDialog(QWidget* parent, AppServices& services, SysSettings& settings) {
  SysSettingsDialog dialog({settings, services.program_folder(), services.store(), services.branding(),
                            services.interaction(),
                            [parent, &services](HelpTopic topic) { ShowHelpTopic(parent, services, topic); },
                            &ChooseColourWithDialog, &ChooseFontWithDialog, &LocalClockNow},
                           parent);
  dialog.exec();
}

void OpenSupportPage() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kSupportPageAddress))); }

}  // namespace kirvo
