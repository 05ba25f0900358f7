#include "app/tools/tools_menu.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "platform/interaction.h"

namespace kirvo {
namespace {

constexpr int kFixedItems = 2;

}  // namespace

ToolsMenu::ToolsMenu(QMenu* menu, Interaction& interaction, std::filesystem::path program_folder, QObject* parent)
    : QObject(parent), menu_(menu), interaction_(interaction), program_folder_(std::move(program_folder)) {
  if (menu_->actions().size() < kFixedItems) menu_->addSeparator();
}

void ToolsMenu::Rebuild(const ToolList& list) {
  const QList<QAction*> actions = menu_->actions();
  for (qsizetype i = kFixedItems; i < actions.size(); ++i) {
    menu_->removeAction(actions[i]);
    if (actions[i]->parent() == this) delete actions[i];
  }
  for (const ToolEntry& entry : list.Entries()) {
    auto* action = new QAction(ToQString(entry.title), this);
    connect(action, &QAction::triggered, this, [this, entry] { Launch(entry); });
    menu_->addAction(action);
  }
}

bool ToolsMenu::Launch(const ToolEntry& entry) {
  const char* search_path = std::getenv("PATH");
  Outcome<ToolLaunch> launch = ResolveToolLaunch(entry, program_folder_, search_path ? search_path : "");
  bool started = launch.ok();
  if (started) {
    if (const auto* open = std::get_if<OpenWithDesktop>(&launch.value())) {
      started = QDesktopServices::openUrl(QUrl::fromLocalFile(PathText(open->file)));
    } else {
      const StartProgram& start = std::get<StartProgram>(launch.value());
      QStringList arguments;
      for (const std::string& argument : start.arguments) arguments << ToQString(argument);
      started = QProcess::startDetached(PathText(start.program), arguments, PathText(start.folder));
    }
  }
  if (!started) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kWarning,
                             launch.ok() ? MissingToolMessage(entry.program.empty() ? entry.file : entry.program)
                                         : launch.error());
  }
  return started;
}

}  // namespace kirvo
