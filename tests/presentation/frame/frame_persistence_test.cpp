// What the frame keeps between runs: the placement record, the toolbar sections of KIRVO.ini and
// the recent files.
#include <gtest/gtest.h>

#include "presentation/services/recent_files.h"
#include "presentation/frame/toolbar_positions.h"
#include "presentation/frame/window_placement.h"

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
