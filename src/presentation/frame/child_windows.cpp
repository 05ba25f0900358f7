#include "presentation/frame/child_windows.h"

namespace kirvo {

const ChildKindRow& ChildKindRowOf(ChartWindowKind kind) {
  for (const ChildKindRow& row : kChildKinds) {
    if (row.kind == kind) return row;
  }
  return kChildKinds.front();
}

LuckRange OpeningRange(ChartWindowKind kind, const SysSettings& sys) {
  switch (ChildKindRowOf(kind).range) {
    case ChildRange::kChartSetting:
      return LuckRangeOf(sys.CB1).value_or(LuckRange::kNatalOnly);
    case ChildRange::kCombinedSetting:
      return LuckRangeOf(sys.KCB1).value_or(LuckRange::kNatalOnly);
    case ChildRange::kEveryLuck:
      break;
  }
  return LuckRange::kHourLuck;
}

std::optional<std::size_t> FindChild(const std::vector<ChildWindowKey>& children, const ChildWindowKey& wanted) {
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (children[i] == wanted) return i;
  }
  return std::nullopt;
}

std::vector<std::size_t> LuckWindowsToClose(const std::vector<ChartWindowKind>& kinds, int kmcb_item) {
  std::vector<std::size_t> to_close;
  if (kmcb_item < 0 || kmcb_item >= kUnlimitedLuckWindowsItem) return to_close;
  const int allowed = kmcb_item + 1;
  int count = 0;
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i] != ChartWindowKind::kLuck) continue;
    ++count;
    if (count > allowed - 1) to_close.push_back(i);
  }
  return to_close;
}

std::vector<WindowListEntry> WindowListEntries(const std::vector<std::string>& captions,
                                               std::optional<std::size_t> active) {
  std::vector<WindowListEntry> entries;
  for (std::size_t i = 0; i < captions.size() && i < kWindowListLimit; ++i) {
    entries.push_back({captions[i], active == i});
  }
  return entries;
}

std::optional<std::size_t> ChildOfWindowListEntry(const std::vector<std::string>& captions,
                                                  std::string_view entry_caption) {
  std::string caption(entry_caption);
  if (const std::size_t mark = caption.find('&'); mark != std::string::npos) caption.erase(mark, 1);
  for (std::size_t i = captions.size(); i-- > 0;) {
    if (captions[i] == caption) return i;
  }
  return std::nullopt;
}

}  // namespace kirvo
