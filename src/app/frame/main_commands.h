#pragma once

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <array>
#include <cstddef>

namespace kirvo {

// The menus of the main window in their order.
enum class MainMenu { kFile, kEdit, kSettings, kView, kOther, kTools, kWindow, kHelp };

// The main window's commands in menu order; each indexes its row of the command table.
enum class MainCommand {
  kNew, kOpen, kSave, kSaveAs, kBackup, kNotices, kExit,
  kMemoSettings, kMemoList, kPatternExplanations, kSpiritStarExplanations,
  kSystemSettings, kRuleSettings, kSpecialCharacters,
  kSidePanel, kStatusBar,
  kPersonList, kFiveElementDiagram, kStemBranchDiagram, kDateSearch,
  kToolSettings,
  kCloseAll, kCascade, kTile, kMinimizeAll,
  kHelp, kVersion, kSupportPage,
};
inline constexpr std::size_t kMainCommandCount = static_cast<std::size_t>(MainCommand::kSupportPage) + 1;

// The colour of a toolbar button's text.
enum class ButtonColour { kDefault, kBlue, kGreen };

// One row of the command table: its action's object name, menu, caption, shortcut, the toolbar
// holding a button for it, the button's own text where it has one, its hint, whether its window is
// still to come (its action is then disabled) and the colour of its button's text.
struct MainCommandRow {
  MainCommand id;
  const char* name;
  MainMenu menu;
  const char* caption;
  const char* shortcut;     // "" for none
  const char* bar;          // "" when no toolbar holds it
  const char* button_text;  // "" for the caption
  const char* hint;         // "" for none
  bool awaits_window;
  ButtonColour colour;
};

// The command table, one row per command in the order of `MainCommand`.
const std::array<MainCommandRow, kMainCommandCount>& MainCommands();
const MainCommandRow& MainCommandRowOf(MainCommand command);

// The menus built from the commands; the actions indexed by command, the menus by MainMenu.
struct MainMenus {
  std::array<QAction*, kMainCommandCount> actions{};
  QHash<int, QMenu*> menus;
  QMenu* toolbar_menu = nullptr;  // 表示 > ﾂｰﾙﾊﾞｰ
  QAction* window_list_start = nullptr;  // the last fixed item of the ｳｨﾝﾄﾞｳ menu
  QAction* recent_files_start = nullptr;  // the last fixed item of the ﾌｧｲﾙ menu

  QAction* action(MainCommand command) const { return actions[static_cast<std::size_t>(command)]; }
};

// Builds the menu bar. A key given to two commands is bound to the one met first in menu order;
// the other shows the key in its caption only.
MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner);

}  // namespace kirvo
