// What the frame keeps between runs: the placement record, the toolbar sections of KIRVO.ini, every
// window's kept state and the recent files.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

#include "presentation/frame/toolbar_positions.h"
#include "presentation/frame/window_placement.h"
#include "presentation/frame/window_state_store.h"
#include "presentation/services/recent_files.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

TEST(WindowPlacementRecord, IsFortyFourLittleEndianBytes) {
  WindowPlacement placement;
  placement.flags = kRestoreToMaximized;
  placement.show_command = kShowMaximized;
  placement.min_x = -1;
  placement.max_y = -32000;
  placement.left = 10;
  placement.top = 20;
  placement.right = 1290;
  placement.bottom = 0x12345678;
  const std::string bytes = EncodeWindowPlacement(placement);
  ASSERT_EQ(bytes.size(), kWindowPlacementBytes);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x2C\0\0\0", 4));
  EXPECT_EQ(bytes.substr(8, 4), std::string("\x03\0\0\0", 4));
  EXPECT_EQ(bytes.substr(12, 4), std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(bytes.substr(40, 4), std::string("\x78\x56\x34\x12", 4));
  EXPECT_EQ(DecodeWindowPlacement(bytes), placement);
}

TEST(WindowPlacementRecord, RefusesRecordsOfAnotherSize) {
  std::string bytes = EncodeWindowPlacement({});
  EXPECT_EQ(DecodeWindowPlacement(bytes.substr(0, 40)), std::nullopt);
  bytes[0] = 40;
  EXPECT_EQ(DecodeWindowPlacement(bytes), std::nullopt);
}

TEST(WindowPlacementFit, PutsTheKeptRectangleOnAScreenOrFallsBack) {
  constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  const std::vector<ScreenArea> two_screens{{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
  struct Case {
    const char* what;
    std::int32_t left, top, right, bottom;  // kept
    std::vector<ScreenArea> screens;
    std::optional<ScreenArea> expected;  // the fitted rectangle; nothing for the first-run placement
  };
  const Case cases[] = {
      {"inside the first screen", 100, 50, 900, 650, two_screens, ScreenArea{100, 50, 900, 650}},
      {"inside the second screen", 2000, 10, 3100, 1000, two_screens, ScreenArea{2000, 10, 3100, 1000}},
      {"mostly on the second", 1800, 100, 2600, 700, two_screens, ScreenArea{1920, 100, 2720, 700}},
      {"a huge rectangle", 0, 0, 60000, 40000, two_screens, ScreenArea{0, 0, 1920, 1040}},
      {"off every screen", -5000, -5000, -4200, -4400, two_screens, ScreenArea{0, 0, 800, 600}},
      {"extreme values", kMin, kMin, kMax, kMax, two_screens, ScreenArea{0, 0, 1920, 1040}},
      {"extreme right end", kMax - 10, 0, kMax, 10, two_screens, ScreenArea{1910, 0, 1920, 10}},
      {"empty", 100, 100, 100, 500, two_screens, std::nullopt},
      {"inverted", kMax, kMax, kMin, kMin, two_screens, std::nullopt},
      {"no screen", 0, 0, 800, 600, {}, std::nullopt},
      {"screens without area", 0, 0, 800, 600, {{0, 0, 0, 0}, {10, 10, 5, 5}}, std::nullopt},
  };
  for (const Case& c : cases) {
    WindowPlacement kept;
    kept.show_command = kShowMaximized;
    kept.left = c.left, kept.top = c.top, kept.right = c.right, kept.bottom = c.bottom;
    const std::optional<WindowPlacement> fitted = FitWindowPlacement(kept, c.screens);
    ASSERT_EQ(fitted.has_value(), c.expected.has_value()) << c.what;
    if (!fitted) continue;
    EXPECT_EQ((ScreenArea{fitted->left, fitted->top, fitted->right, fitted->bottom}), *c.expected) << c.what;
    EXPECT_EQ(fitted->show_command, kShowMaximized) << c.what;
  }
  EXPECT_EQ(FitWindowPlacement(std::nullopt, two_screens), std::nullopt);
}

TEST(ToolbarPositions, RoundTripThroughTheIniSection) {
  IniFile ini;
  ToolbarPosition bar;
  bar.visible = false;
  bar.docked_to = DockSide::kFloating;
  bar.last_dock = DockSide::kLeft;
  bar.dock_row = 2;
  bar.dock_pos = 130;
  bar.float_left = 400;
  bar.float_top = -5;
  WriteToolbarPosition(ini, "WindowBar", bar);
  ToolbarPosition panel;
  panel.docked_to = DockSide::kRight;
  panel.client_width = 276;
  panel.client_height = 700;
  WriteToolbarPosition(ini, "MeiWin", panel);

  const IniFile read = IniFile::FromText(ini.ToText());
  EXPECT_EQ(ReadToolbarPosition(read, "WindowBar"), bar);
  EXPECT_EQ(ReadToolbarPosition(read, "MeiWin"), panel);
  EXPECT_EQ(read.ReadString("TBarPosWindowBar", "DockedTo", ""), "+");
  EXPECT_EQ(read.ReadString("TBarPosWindowBar", "LastDock", ""), "Dock971");
  EXPECT_EQ(read.ReadInteger("TBarPosWindowBar", "Rev", 0), 3);
  EXPECT_FALSE(read.HasKey("TBarPosWindowBar", "ClientWidth"));
}

TEST(ToolbarPositions, ReadsRevisionTwoAndIgnoresOthers) {
  const IniFile ini = IniFile::FromText(
      "[TBarPosFileBar]\nRev=2\nVisible=1\nDockedTo=Dock973\nDockRow=1\n"
      "[TBarPosNetbar]\nRev=4\nVisible=0\nDockedTo=Dock972\n"
      "[TBarPosEntBar]\nVisible=0\n");
  const std::optional<ToolbarPosition> file_bar = ReadToolbarPosition(ini, "FileBar");
  ASSERT_TRUE(file_bar);
  EXPECT_EQ(file_bar->docked_to, DockSide::kBottom);
  EXPECT_EQ(file_bar->dock_row, 1);
  EXPECT_EQ(ReadToolbarPosition(ini, "Netbar"), std::nullopt);
  EXPECT_EQ(ReadToolbarPosition(ini, "EntBar"), std::nullopt);
  EXPECT_EQ(DockSideOf("Dock97"), DockSide::kTop);
  EXPECT_EQ(DockSideOf(""), DockSide::kNone);
}

// Each window's record takes its own show command and rectangle: the main window comes back
// maximized after minimizing, the person list records whether it was shown, the stem-branch diagram
// keeps its frame's corner with its normal size.
TEST(WindowStateStore, EachWindowRecordsItsOwnShowStateAndRectangle) {
  WindowState state;
  state.normal = {10, 20, 300, 200};
  state.shown = {8, 0, 640, 480};
  state.visible = false;
  state.maximized = true;
  struct Case {
    KeptWindow window;
    std::int32_t show_command;
    std::int32_t flags;
    std::int32_t left, top, right, bottom;
  };
  for (const Case& c : {Case{KeptWindow::kMain, kShowMaximized, kRestoreToMaximized, 10, 20, 310, 220},
                        Case{KeptWindow::kPersonList, kShowHidden, 0, 10, 20, 310, 220},
                        Case{KeptWindow::kStemBranchDiagram, kShowNormal, 0, 8, 0, 308, 200}}) {
    const WindowPlacement record = PlacementRecordOf(KeptWindowRowOf(c.window), state);
    EXPECT_EQ(record.show_command, c.show_command) << static_cast<int>(c.window);
    EXPECT_EQ(record.flags, c.flags) << static_cast<int>(c.window);
    EXPECT_EQ((std::array{record.left, record.top, record.right, record.bottom}),
              (std::array{c.left, c.top, c.right, c.bottom}))
        << static_cast<int>(c.window);
  }
  state.maximized = false;
  state.minimized = true;
  EXPECT_EQ(PlacementRecordOf(KeptWindowRowOf(KeptWindow::kMain), state).show_command, kShowMinimized);
  EXPECT_EQ(PlacementRecordOf(KeptWindowRowOf(KeptWindow::kMain), state).flags, 0);
  EXPECT_EQ(PlacementRecordOf(KeptWindowRowOf(KeptWindow::kStemBranchDiagram), state).show_command, kShowMinimized);
}

// A saved state comes back where it was kept: the records in the per-user store (an empty rectangle
// keeps the window where it is), the five-element diagram in its section of KIRVO.ini, where the
// toolbar sections stay.
TEST(WindowStateStore, SavedStatesComeBackFromTheirHomes) {
  TempFolder folder;
  Outcome<FileSettingsStore> opened = FileSettingsStore::Open(folder / "store.txt");
  ASSERT_TRUE(opened.ok());
  FileSettingsStore store = std::move(opened).value();
  RecordingInteraction interaction;
  WindowStateStore states(store, folder / "KIRVO.ini", interaction);

  EXPECT_EQ(states.Restore(KeptWindow::kMain, 800, 600, 1280, 1024), std::nullopt);
  WindowState state;
  state.normal = {100, 120, 900, 700};
  state.shown = {40, 50, 200, 226};
  states.Save(KeptWindow::kMain, state);
  EXPECT_EQ(states.Restore(KeptWindow::kMain, 800, 600, 1280, 1024), (PlacedWindow{100, 120, 900, 700}));
  EXPECT_EQ(DecodeWindowPlacement(store.ReadBinary("Main", "MainFWinPlace1"))->bottom, 820);
  state.normal.width = 0;
  states.Save(KeptWindow::kPersonList, state);
  EXPECT_EQ(states.Restore(KeptWindow::kPersonList, 900, 560, 1280, 1024), std::nullopt);

  // Nothing kept: the designed size, centred.
  EXPECT_EQ(states.Restore(KeptWindow::kFiveElementDiagram, 300, 326, 1280, 1024),
            (PlacedWindow{490, 349, 300, 326}));
  states.UpdateIni([](IniFile& ini) { ini.WriteInteger("TBarPosFileBar", "Rev", 3); });
  state.monitor = 1;
  states.Save(KeptWindow::kFiveElementDiagram, state);
  EXPECT_EQ(states.Restore(KeptWindow::kFiveElementDiagram, 300, 326, 1280, 1024),
            (PlacedWindow{40, 50, 200, 226}));
  const IniFile ini = states.ReadIni(true);
  EXPECT_EQ(ini.ReadInteger("TBarPosFileBar", "Rev", 0), 3);
  EXPECT_EQ(ini.ReadInteger("SouGoF", "MONITORS", -1), 1);
  EXPECT_TRUE(interaction.messages.empty());
}

TEST(RecentFiles, MostRecentFirstWithoutDuplicatesAtMostTen) {
  RecentFiles files = RecentFiles::FromStoredText("/a.nam\r\n/b.nam\r\n\r\n/c.nam");
  EXPECT_EQ(files.paths(), (std::vector<std::string>{"/a.nam", "/b.nam", "/c.nam"}));
  files.Opened("/c.nam");
  EXPECT_EQ(files.StoredText(), "/c.nam\r\n/a.nam\r\n/b.nam");
  for (int i = 0; i < 12; ++i) files.Opened("/" + std::to_string(i) + ".nam");
  ASSERT_EQ(files.paths().size(), kRecentFilesLimit);
  EXPECT_EQ(files.paths().front(), "/11.nam");
  EXPECT_EQ(files.paths().back(), "/2.nam");
  EXPECT_EQ(RecentFiles::MenuCaption(3, "/x/Default.nam"), "&3 /x/Default.nam");
}

}  // namespace
}  // namespace kirvo
