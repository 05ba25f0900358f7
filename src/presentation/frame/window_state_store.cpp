#include "presentation/frame/window_state_store.h"

namespace kirvo {
namespace {

std::int32_t ShowCommandOf(ShowRule rule, const WindowState& state) {
  switch (rule) {
    case ShowRule::kNormalMinimizedMaximized:
      return state.maximized ? kShowMaximized : state.minimized ? kShowMinimized : kShowNormal;
    case ShowRule::kShownOrHidden:
      return state.visible ? kShowNormal : kShowHidden;
    case ShowRule::kNormalOrMinimized:
      return state.minimized ? kShowMinimized : kShowNormal;
    case ShowRule::kNone:
      break;
  }
  return kShowNormal;
}

PlacedWindow KeptRectangleOf(KeptRectangle rectangle, const WindowState& state) {
  switch (rectangle) {
    case KeptRectangle::kNormal:
      return state.normal;
    case KeptRectangle::kFrameCornerNormalSize:
      return {state.shown.left, state.shown.top, state.normal.width, state.normal.height};
    case KeptRectangle::kFrameCornerShownSize:
      break;
  }
  return state.shown;
}

}  // namespace

const KeptWindowRow& KeptWindowRowOf(KeptWindow window) {
  for (const KeptWindowRow& row : kKeptWindows) {
    if (row.window == window) return row;
  }
  return kKeptWindows.front();
}

WindowPlacement PlacementRecordOf(const KeptWindowRow& row, const WindowState& state) {
  const PlacedWindow kept = KeptRectangleOf(row.rectangle, state);
  WindowPlacement placement;
  placement.show_command = ShowCommandOf(row.show, state);
  placement.flags =
      row.show == ShowRule::kNormalMinimizedMaximized && state.maximized ? kRestoreToMaximized : 0;
  placement.left = kept.left;
  placement.top = kept.top;
  placement.right = kept.left + kept.width;
  placement.bottom = kept.top + kept.height;
  return placement;
}

std::optional<PlacedWindow> WindowStateStore::Restore(KeptWindow window, int design_width, int design_height,
                                                      int screen_width, int screen_height,
                                                      const std::vector<ScreenArea>& screens) const {
  const KeptWindowRow& row = KeptWindowRowOf(window);
  if (row.home == PlacementHome::kIniSection) {
    return PlaceOnScreen(ReadIniPlacement(ReadIni(false), row.key), design_width, design_height, screen_width,
                         screen_height);
  }
  // A record may hold any values (a 2 GB window, or corners whose difference overflows): it is
  // fitted to the screens there are now.
  const std::optional<WindowPlacement> placement = FitWindowPlacement(
      DecodeWindowPlacement(store_.ReadBinary(row.key, row.name)),
      screens.empty() ? std::vector<ScreenArea>{{0, 0, screen_width, screen_height}} : screens);
  if (!placement) return std::nullopt;
  // Applied before the window is shown, the record's show command counts as hidden: the window takes
  // the normal rectangle and appears as its opening shows it.
  return PlacedWindow{placement->left, placement->top, placement->right - placement->left,
                      placement->bottom - placement->top};
}

void WindowStateStore::Save(KeptWindow window, const WindowState& state) {
  const KeptWindowRow& row = KeptWindowRowOf(window);
  if (row.home == PlacementHome::kIniSection) {
    UpdateIni([&](IniFile& ini) { WriteIniPlacement(ini, row.key, KeptRectangleOf(row.rectangle, state), state.monitor); });
    return;
  }
  Show(store_.WriteBinary(row.key, row.name, EncodeWindowPlacement(PlacementRecordOf(row, state))));
}

IniFile WindowStateStore::ReadIni(bool warn_of_problems) const {
  Outcome<IniFile> ini = IniFile::Load(ini_file_);
  if (!ini) {
    interaction_.ShowMessage(MessageKind::kError, ini.error());
    return IniFile();
  }
  if (warn_of_problems && !ini->LoadProblem().empty()) {
    interaction_.ShowMessage(MessageKind::kWarning, ini->LoadProblem());
  }
  return std::move(ini).value();
}

void WindowStateStore::UpdateIni(const std::function<void(IniFile&)>& change) {
  Outcome<IniFile> ini = IniFile::Load(ini_file_);
  // KIRVO.ini holds every window's sections; an unreadable file is not replaced. Its problem was
  // told when the places were read, and saves run when windows close (at exit too): nothing more
  // is said.
  if (!ini) return;
  change(ini.value());
  Show(ini->Save(ini_file_));
}

void WindowStateStore::Show(const Status& status) const {
  ShowFailure(status, interaction_);
}

}  // namespace kirvo
