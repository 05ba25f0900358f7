#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// Rules over the main window's child windows, given their captions in window-list order: the
// active window first, then the others from the most recently active.

// The child with exactly this caption, the lowest index when several match.
std::optional<std::size_t> FindChildByCaption(const std::vector<std::string>& captions, std::string_view caption);

// `KMCB`, the luck windows allowed at once: items "1", "2", "3", "無制限".
inline constexpr int kUnlimitedLuckWindowsItem = 3;

// The luck windows (captions containing "の行運") to close before a new one opens, so that with the
// new one at most the chosen number remain: counting luck windows in list order, every one whose
// count exceeds the chosen number minus one. None with "無制限" or an item outside the list.
std::vector<std::size_t> LuckWindowsToClose(const std::vector<std::string>& captions, int kmcb_item);

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
