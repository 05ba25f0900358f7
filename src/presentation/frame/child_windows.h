#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_record.h"
#include "presentation/frame/entry_bar_rules.h"
#include "presentation/services/resource_check.h"
#include "settings/sys_settings.h"

namespace kirvo {

// How each kind of chart child opens: its form name, the free resources it needs, the range its
// chart starts with, whether the luck-window limit applies, whether it joins the arrangement of the
// others.
enum class ChildRange {
  kChartSetting,     // `CB1`, the chart window's default range
  kCombinedSetting,  // `KCB1`, the luck level of the combined window
  kEveryLuck,        // the luck window takes in every running-luck column
};
struct ChildKindRow {
  ChartWindowKind kind;
  std::string_view form_name;
  int resource_threshold;  // percent
  ChildRange range;
  bool limits_luck_windows;  // the luck windows over `KMCB` close first
  bool joins_arrangement;    // tiled or cascaded with the others per `SCB3`; else it keeps its place
};

// clang-format off
inline constexpr std::array<ChildKindRow, 3> kChildKinds = {{
    {ChartWindowKind::kChart,    "MeisF", kChartWindowResourceThreshold, ChildRange::kChartSetting,    false, true},
    {ChartWindowKind::kLuck,     "KouF",  kLuckWindowResourceThreshold,  ChildRange::kEveryLuck,       true,  false},
    {ChartWindowKind::kCombined, "MKF",   kChartWindowResourceThreshold, ChildRange::kCombinedSetting, false, true},
}};
// clang-format on

const ChildKindRow& ChildKindRowOf(ChartWindowKind kind);
// The range a new child of `kind` computes its chart with; a setting outside the list gives the
// chart alone.
LuckRange OpeningRange(ChartWindowKind kind, const SysSettings& sys);

// Rules over the main window's child windows, given in window-list order: the active window first,
// then the others from the most recently active. Each child is one person's window of one kind.
struct ChildWindowKey {
  ChartWindowKind kind = ChartWindowKind::kChart;
  std::string person;
  bool operator==(const ChildWindowKey&) const = default;
};

// The child of this kind and person, the lowest index when several match: a second request for it
// brings it forward.
std::optional<std::size_t> FindChild(const std::vector<ChildWindowKey>& children, const ChildWindowKey& wanted);

// `KMCB`, the luck windows allowed at once: items "1", "2", "3", "無制限".
inline constexpr int kUnlimitedLuckWindowsItem = 3;

// The luck windows to close before a new one opens, so that with the new one at most the chosen
// number remain: counting luck windows in list order, every one whose count exceeds the chosen
// number minus one. None with "無制限" or an item outside the list.
std::vector<std::size_t> LuckWindowsToClose(const std::vector<ChartWindowKind>& kinds, int kmcb_item);

// The window list of the ｳｨﾝﾄﾞｳ(&W) menu: one entry per child, at most 100.
inline constexpr std::size_t kWindowListLimit = 100;
struct WindowListEntry {
  std::string caption;
  bool checked = false;  // the active window's entry
  bool operator==(const WindowListEntry&) const = default;
};
std::vector<WindowListEntry> WindowListEntries(const std::vector<std::string>& captions,
                                               std::optional<std::size_t> active);

// The child a window-list entry brings forward: the entry's caption without its first "&" (a menu's
// shortcut mark) compared with every caption, searching from the last child.
std::optional<std::size_t> ChildOfWindowListEntry(const std::vector<std::string>& captions,
                                                  std::string_view entry_caption);

}  // namespace kirvo
