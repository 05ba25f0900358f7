#pragma once

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace kirvo {

// The menus of the main window in their order.
enum class MainMenu { kFile, kEdit, kSettings, kView, kOther, kTools, kWindow, kHelp };

// One command of the main window: its action name, menu caption, shortcut, the toolbar holding a
// button for it, the button's own text where it has one, and its hint.
struct MainCommand {
  const char* name;
  MainMenu menu;
  const char* caption;
  const char* shortcut;     // "" for none
  const char* bar;          // "" when no toolbar holds it
  const char* button_text;  // "" for the caption
  const char* hint;         // "" for none
};

// The main window's commands in menu order.
const std::vector<MainCommand>& MainCommands();

// The menus built from the commands, keyed by action name; each menu keyed by MainMenu.
struct MainMenus {
  QHash<QString, QAction*> actions;
  QHash<int, QMenu*> menus;
  QMenu* toolbar_menu = nullptr;  // 表示 > ﾂｰﾙﾊﾞｰ
  QAction* window_list_start = nullptr;  // the last fixed item of the ｳｨﾝﾄﾞｳ menu
  QAction* recent_files_start = nullptr;  // the last fixed item of the ﾌｧｲﾙ menu
};

// Builds the menu bar. A key given to two commands is bound to the one met first in menu order;
// the other shows the key in its caption only.
MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner);

// Commands whose windows do not exist yet: their actions are disabled.
bool AwaitsItsWindow(const QString& command);

}  // namespace kirvo
