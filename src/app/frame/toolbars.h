#pragma once

#include <QDockWidget>
#include <QMainWindow>
#include <QToolBar>
#include <array>

#include "app/frame/entry_bar.h"
#include "app/frame/main_commands.h"
#include "platform/ini_file.h"

namespace kirvo {

// The five toolbars of the main window in their fixed order: FileBar, SystemBar, EntBar,
// WindowBar, Netbar.
inline constexpr std::size_t kMainToolbarCount = 5;
using MainToolbars = std::array<QToolBar*, kMainToolbarCount>;

// Builds the toolbars at their design places (two rows in the top dock), each holding a button per command that names it, and their toggles in 表示 > ﾂｰﾙﾊﾞｰ.
MainToolbars BuildMainToolbars(QMainWindow* window, const MainMenus& menus, EntryBar* entry_bar);

// The places kept in KIRVO.ini: each bar's and the side panel's "TBarPos" section. Bars without a
// section of a known revision stay at their design places. A bar saved floating comes back docked
// in the dock it was last in, since toolbars float only by dragging here.
void RestoreBarPositions(QMainWindow* window, const MainToolbars& bars, QDockWidget* side_panel, const IniFile& ini);
void SaveBarPositions(const QMainWindow* window, const MainToolbars& bars, const QDockWidget* side_panel,
                      IniFile& ini);

}  // namespace kirvo
