#include "presentation/frame/toolbar_positions.h"

#include <array>
#include <utility>

#include "platform/ascii.h"

namespace kirvo {
namespace {

constexpr std::array<std::pair<DockSide, std::string_view>, 5> kDockNames = {{
    {DockSide::kTop, "Dock97"},
    {DockSide::kLeft, "Dock971"},
    {DockSide::kRight, "Dock972"},
    {DockSide::kBottom, "Dock973"},
    {DockSide::kFloating, "+"},
}};

std::string SectionOf(std::string_view name) { return std::string(kToolbarSectionPrefix) + std::string(name); }

}  // namespace

DockSide DockSideOf(std::string_view dock_name) {
  for (const auto& [side, name] : kDockNames) {
    if (EqualsIgnoringAsciiCase(name, dock_name)) return side;
  }
  return DockSide::kNone;
}

std::string_view DockNameOf(DockSide side) {
  for (const auto& [known, name] : kDockNames) {
    if (known == side) return name;
  }
  return {};
}

std::optional<ToolbarPosition> ReadToolbarPosition(const IniFile& ini, std::string_view name) {
  const std::string section = SectionOf(name);
  const int revision = ini.ReadInteger(section, "Rev", 0);
  if (revision != 2 && revision != 3) return std::nullopt;
  ToolbarPosition position;
  position.visible = ini.ReadInteger(section, "Visible", 1) != 0;
  position.docked_to = DockSideOf(ini.ReadString(section, "DockedTo", ""));
  position.last_dock = DockSideOf(ini.ReadString(section, "LastDock", ""));
  position.dock_row = ini.ReadInteger(section, "DockRow", 0);
  position.dock_pos = ini.ReadInteger(section, "DockPos", 0);
  position.float_left = ini.ReadInteger(section, "FloatLeft", 0);
  position.float_top = ini.ReadInteger(section, "FloatTop", 0);
  if (ini.HasKey(section, "ClientWidth")) position.client_width = ini.ReadInteger(section, "ClientWidth", 0);
  if (ini.HasKey(section, "ClientHeight")) position.client_height = ini.ReadInteger(section, "ClientHeight", 0);
  return position;
}

void WriteToolbarPosition(IniFile& ini, std::string_view name, const ToolbarPosition& position) {
  const std::string section = SectionOf(name);
  ini.WriteInteger(section, "Rev", kToolbarPositionRevision);
  ini.WriteInteger(section, "Visible", position.visible ? 1 : 0);
  ini.WriteString(section, "DockedTo", DockNameOf(position.docked_to));
  ini.WriteString(section, "LastDock", DockNameOf(position.last_dock));
  ini.WriteInteger(section, "DockRow", position.dock_row);
  ini.WriteInteger(section, "DockPos", position.dock_pos);
  ini.WriteInteger(section, "FloatLeft", position.float_left);
  ini.WriteInteger(section, "FloatTop", position.float_top);
  if (position.client_width) ini.WriteInteger(section, "ClientWidth", *position.client_width);
  if (position.client_height) ini.WriteInteger(section, "ClientHeight", *position.client_height);
}

}  // namespace kirvo
