#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "presentation/frame/ini_window_placement.h"
#include "presentation/frame/window_placement.h"

namespace kirvo {

// The windows that keep their placement between runs.
enum class KeptWindow { kMain, kPersonList, kFiveElementDiagram, kStemBranchDiagram, kPrintPreview };

// Where a window's placement is kept: a placement record in the per-user store, or the integer keys
// of a section of KIRVO.ini.
enum class PlacementHome { kStoreRecord, kIniSection };

// Which show command a window's record takes.
enum class ShowRule {
  kNormalMinimizedMaximized,  // maximized also sets "comes back maximized"
  kShownOrHidden,             // a window that closing only hides
  kNormalOrMinimized,
  kNone,                      // an ini section keeps no show state
};

// Which rectangle is kept: the normal (restored) client rectangle; the outer frame's corner with
// the normal size; or the frame's corner with the size as it stands.
enum class KeptRectangle { kNormal, kFrameCornerNormalSize, kFrameCornerShownSize };

struct KeptWindowRow {
  KeptWindow window;
  PlacementHome home;
  std::string_view key;   // the store key, or the ini section
  std::string_view name;  // the store value; "" for a section
  ShowRule show;
  KeptRectangle rectangle;
};

// clang-format off
inline constexpr std::array<KeptWindowRow, 5> kKeptWindows = {{
    {KeptWindow::kMain,               PlacementHome::kStoreRecord, "Main",      "MainFWinPlace1",  ShowRule::kNormalMinimizedMaximized, KeptRectangle::kNormal},
    {KeptWindow::kPersonList,         PlacementHome::kStoreRecord, "WinPlace1", "NListFWinPlace1", ShowRule::kShownOrHidden,            KeptRectangle::kNormal},
    {KeptWindow::kFiveElementDiagram, PlacementHome::kIniSection,  "SouGoF",    "",                ShowRule::kNone,                     KeptRectangle::kFrameCornerShownSize},
    {KeptWindow::kStemBranchDiagram,  PlacementHome::kStoreRecord, "WinPlace1", "SouKsFWinPlace1", ShowRule::kNormalOrMinimized,        KeptRectangle::kFrameCornerNormalSize},
    {KeptWindow::kPrintPreview,       PlacementHome::kIniSection,  "PrevF",     "",                ShowRule::kNone,                     KeptRectangle::kFrameCornerShownSize},
}};
// clang-format on

const KeptWindowRow& KeptWindowRowOf(KeptWindow window);

// A window as it stands when it closes. Pixels.
struct WindowState {
  PlacedWindow normal;  // the normal (restored) client rectangle
  PlacedWindow shown;   // left and top of the outer frame, the client size as it stands
  bool visible = false;
  bool minimized = false;
  bool maximized = false;
  int monitor = 0;  // the number of the monitor showing it
};

// The record a store-kept window writes for `state`.
WindowPlacement PlacementRecordOf(const KeptWindowRow& row, const WindowState& state);

// Every window's kept placement, and the other sections of KIRVO.ini the frame keeps (the toolbar
// places): read when a window opens, written when it closes. Problems with the files are shown
// through `interaction` and otherwise ignored, so that a window still opens and closes.
class WindowStateStore {
 public:
  WindowStateStore(SettingsStore& store, std::filesystem::path ini_file, Interaction& interaction)
      : store_(store), ini_file_(std::move(ini_file)), interaction_(interaction) {}

  // Where `window` opens on a screen `screen_width` × `screen_height`, given its designed size: a
  // kept record gives its normal rectangle fitted to `screens` by FitWindowPlacement (no screens
  // given: the one screen at 0, 0), else nothing (the window keeps the place it has); an ini section
  // places the window by PlaceOnScreen, missing keys by the designed size and the centre.
  std::optional<PlacedWindow> Restore(KeptWindow window, int design_width, int design_height, int screen_width,
                                      int screen_height, const std::vector<ScreenArea>& screens = {}) const;
  void Save(KeptWindow window, const WindowState& state);

  // KIRVO.ini as it is now; an empty file after the message when it can't be read. Its load
  // problems are shown as a warning when `warn_of_problems`.
  IniFile ReadIni(bool warn_of_problems) const;
  // Changes KIRVO.ini in place: the other sections stay. An unreadable file is not replaced.
  void UpdateIni(const std::function<void(IniFile&)>& change);

  const std::filesystem::path& ini_file() const { return ini_file_; }

 private:
  void Show(const Status& status) const;

  SettingsStore& store_;
  std::filesystem::path ini_file_;
  Interaction& interaction_;
};

}  // namespace kirvo
