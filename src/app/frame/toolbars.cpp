#include "app/frame/toolbars.h"

#include <QToolButton>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "presentation/frame/toolbar_positions.h"

namespace kirvo {
namespace {

// Each bar with its toggle and its design place in the top dock: two rows, the entry bar starting
// the second.
struct BarDesign {
  const char* name;
  const char* toggle_caption;
  int row;
  int position;
};
constexpr std::array<BarDesign, kMainToolbarCount> kBars = {{
    {"FileBar",   "ﾌｧｲﾙﾊﾞｰ(&F)",   0, 0},
    {"SystemBar", "ｼｽﾃﾑﾊﾞｰ(&S)",   1, 1},
    {"EntBar",    "入力ﾊﾞｰ(&E)",    1, 0},
    {"WindowBar", "ｳｨﾝﾄﾞｳﾊﾞｰ(&W)", 0, 1},
    {"Netbar",    "ﾈｯﾄﾊﾞｰ(&N)",    0, 2},
}};
constexpr std::size_t kEntryBarIndex = 2;
constexpr char kMenuBarName[] = "MenuBar";
constexpr char kSidePanelName[] = "MeiWin";

QString ButtonStyleOf(ButtonColour colour) {
  switch (colour) {
    case ButtonColour::kBlue: return QStringLiteral("color: blue;");
    case ButtonColour::kGreen: return QStringLiteral("color: green;");
    case ButtonColour::kDefault: break;
  }
  return {};
}

QString ButtonTextOf(const MainCommandRow& command) {
  if (*command.button_text != '\0') return QString::fromUtf8(command.button_text);
  QString text = QString::fromUtf8(command.caption);
  text.remove(QStringLiteral("(&C)"));
  return text;
}

// A button that follows its command's availability but keeps its own text.
void AddCommandButton(QToolBar* bar, QAction* action, const MainCommandRow& command) {
  auto* button = new QToolButton(bar);
  button->setObjectName(action->objectName() + QStringLiteral("Btn"));
  button->setText(ButtonTextOf(command));
  button->setToolTip(action->toolTip());
  button->setStatusTip(action->statusTip());
  button->setFocusPolicy(Qt::NoFocus);
  button->setStyleSheet(ButtonStyleOf(command.colour));
  button->setEnabled(action->isEnabled());
  QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
  QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
  bar->addWidget(button);
}

Qt::ToolBarArea AreaOf(DockSide side) {
  switch (side) {
    case DockSide::kLeft: return Qt::LeftToolBarArea;
    case DockSide::kRight: return Qt::RightToolBarArea;
    case DockSide::kBottom: return Qt::BottomToolBarArea;
    default: return Qt::TopToolBarArea;
  }
}

DockSide SideOf(Qt::ToolBarArea area) {
  switch (area) {
    case Qt::LeftToolBarArea: return DockSide::kLeft;
    case Qt::RightToolBarArea: return DockSide::kRight;
    case Qt::BottomToolBarArea: return DockSide::kBottom;
    case Qt::TopToolBarArea: return DockSide::kTop;
    default: return DockSide::kNone;
  }
}

bool IsHorizontal(Qt::ToolBarArea area) { return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea; }

}  // namespace

MainToolbars BuildMainToolbars(QMainWindow* window, const MainMenus& menus, EntryBar* entry_bar) {
  MainToolbars bars{};
  for (std::size_t i = 0; i < kMainToolbarCount; ++i) {
    QToolBar* bar = i == kEntryBarIndex ? entry_bar : new QToolBar(QString::fromLatin1(kBars[i].name), window);
    bar->setObjectName(QString::fromLatin1(kBars[i].name));
    bars[i] = bar;
  }
  for (const MainCommandRow& command : MainCommands()) {
    for (QToolBar* bar : bars) {
      if (bar->objectName() == QLatin1String(command.bar)) {
        AddCommandButton(bar, menus.action(command.id), command);
      }
    }
  }
  for (const int row : {0, 1}) {
    if (row > 0) window->addToolBarBreak(Qt::TopToolBarArea);
    for (int position = 0; position < static_cast<int>(kMainToolbarCount); ++position) {
      for (std::size_t i = 0; i < kMainToolbarCount; ++i) {
        if (kBars[i].row == row && kBars[i].position == position) window->addToolBar(Qt::TopToolBarArea, bars[i]);
      }
    }
  }
  for (std::size_t i = 0; i < kMainToolbarCount; ++i) {
    QAction* toggle = bars[i]->toggleViewAction();
    toggle->setText(QString::fromUtf8(kBars[i].toggle_caption));
    toggle->setObjectName(QString::fromLatin1(kBars[i].name) + QStringLiteral("Item"));
    menus.toolbar_menu->addAction(toggle);
  }
  return bars;
}

void RestoreBarPositions(QMainWindow* window, const MainToolbars& bars, QDockWidget* side_panel, const IniFile& ini) {
  struct Placed {
    QToolBar* bar;
    ToolbarPosition position;
  };
  std::map<Qt::ToolBarArea, std::vector<Placed>> by_area;
  bool any = false;
  for (std::size_t i = 0; i < kMainToolbarCount; ++i) {
    std::optional<ToolbarPosition> position = ReadToolbarPosition(ini, kBars[i].name);
    if (!position) {
      // Without a saved place a bar keeps its design place.
      position = ToolbarPosition{};
      position->dock_row = kBars[i].row;
      position->dock_pos = kBars[i].position;
    } else {
      any = true;
    }
    const DockSide side = position->docked_to == DockSide::kFloating || position->docked_to == DockSide::kNone
                              ? position->last_dock
                              : position->docked_to;
    by_area[AreaOf(side)].push_back({bars[i], *position});
  }
  if (any) {
    for (auto& [area, placed] : by_area) {
      std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return std::pair(a.position.dock_row, a.position.dock_pos) < std::pair(b.position.dock_row, b.position.dock_pos);
      });
      int row = placed.front().position.dock_row;
      for (const Placed& entry : placed) {
        window->removeToolBar(entry.bar);
        if (entry.position.dock_row != row) {
          window->addToolBarBreak(area);
          row = entry.position.dock_row;
        }
        window->addToolBar(area, entry.bar);
      }
    }
  }
  for (auto& [area, placed] : by_area) {
    for (const Placed& entry : placed) entry.bar->setVisible(entry.position.visible);
  }
  bars[kEntryBarIndex]->setVisible(true);

  if (const std::optional<ToolbarPosition> panel = ReadToolbarPosition(ini, kSidePanelName)) {
    const DockSide side = panel->docked_to == DockSide::kLeft ? DockSide::kLeft : DockSide::kRight;
    window->addDockWidget(side == DockSide::kLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, side_panel);
    if (panel->docked_to == DockSide::kFloating) {
      side_panel->setFloating(true);
      side_panel->move(panel->float_left, panel->float_top);
    }
    if (panel->client_width && *panel->client_width > 0) {
      window->resizeDocks({side_panel}, {*panel->client_width}, Qt::Horizontal);
    }
    side_panel->setVisible(panel->visible);
  }
}

void SaveBarPositions(const QMainWindow* window, const MainToolbars& bars, const QDockWidget* side_panel,
                      IniFile& ini) {
  // Rows: the distinct lines the bars of one dock sit on, counted from the dock's top or left.
  std::map<Qt::ToolBarArea, std::set<int>> lines;
  for (QToolBar* bar : bars) {
    const Qt::ToolBarArea area = window->toolBarArea(bar);
    lines[area].insert(IsHorizontal(area) ? bar->geometry().y() : bar->geometry().x());
  }
  for (std::size_t i = 0; i < kMainToolbarCount; ++i) {
    const QToolBar* bar = bars[i];
    const Qt::ToolBarArea area = window->toolBarArea(bar);
    const std::set<int>& dock_lines = lines[area];
    const int line = IsHorizontal(area) ? bar->geometry().y() : bar->geometry().x();
    ToolbarPosition position;
    position.visible = !bar->isHidden();
    position.docked_to = bar->isFloating() ? DockSide::kFloating : SideOf(area);
    position.last_dock = SideOf(area);
    position.dock_row = static_cast<int>(std::distance(dock_lines.begin(), dock_lines.find(line)));
    position.dock_pos = IsHorizontal(area) ? bar->geometry().x() : bar->geometry().y();
    position.float_left = bar->isFloating() ? bar->x() : 0;
    position.float_top = bar->isFloating() ? bar->y() : 0;
    WriteToolbarPosition(ini, kBars[i].name, position);
  }
  WriteToolbarPosition(ini, kMenuBarName, ToolbarPosition{});

  ToolbarPosition panel;
  const Qt::DockWidgetArea area = window->dockWidgetArea(const_cast<QDockWidget*>(side_panel));
  const DockSide side = area == Qt::LeftDockWidgetArea ? DockSide::kLeft : DockSide::kRight;
  panel.visible = !side_panel->isHidden();
  panel.docked_to = side_panel->isFloating() ? DockSide::kFloating : side;
  panel.last_dock = side;
  panel.float_left = side_panel->isFloating() ? side_panel->x() : 0;
  panel.float_top = side_panel->isFloating() ? side_panel->y() : 0;
  if (const QWidget* content = side_panel->widget()) {
    panel.client_width = content->width();
    panel.client_height = content->height();
  }
  WriteToolbarPosition(ini, kSidePanelName, panel);
}

}  // namespace kirvo
