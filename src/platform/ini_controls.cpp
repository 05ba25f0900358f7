#include "platform/ini_controls.h"

namespace kirvo {
namespace {

inline constexpr std::uint32_t kLargestColour = 0xFFFFFF;

// Red and blue change places: 0xRRGGBB <-> 0xBBGGRR.
constexpr std::uint32_t SwapRedAndBlue(std::uint32_t colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace

bool ReadCheckBox(const IniFile& ini, std::string_view section, std::string_view key, bool fallback) {
  return ini.ReadInteger(section, key, fallback ? 1 : 0) != 0;
}
void WriteCheckBox(IniFile& ini, std::string_view section, std::string_view key, bool checked) {
  ini.WriteInteger(section, key, checked ? 1 : 0);
}

std::string ReadEditText(const IniFile& ini, std::string_view section, std::string_view key,
                         std::string_view fallback) {
  return ini.ReadString(section, key, fallback);
}
void WriteEditText(IniFile& ini, std::string_view section, std::string_view key, std::string_view text) {
  ini.WriteString(section, key, text);
}

int ReadItemIndex(const IniFile& ini, std::string_view section, std::string_view key, int fallback) {
  return ini.ReadInteger(section, key, fallback);
}
void WriteItemIndex(IniFile& ini, std::string_view section, std::string_view key, int index) {
  ini.WriteInteger(section, key, index);
}

// Stored as a signed 32-bit integer, so bit 31 reads back from a negative number.
std::uint32_t ReadBitSet(const IniFile& ini, std::string_view section, std::string_view key, std::uint32_t fallback) {
  return static_cast<std::uint32_t>(ini.ReadInteger(section, key, static_cast<int>(fallback)));
}
void WriteBitSet(IniFile& ini, std::string_view section, std::string_view key, std::uint32_t bits) {
  ini.WriteInteger(section, key, static_cast<int>(bits));
}

int ReadNumber(const IniFile& ini, std::string_view section, std::string_view key, int fallback) {
  return ini.ReadInteger(section, key, fallback);
}
void WriteNumber(IniFile& ini, std::string_view section, std::string_view key, int value) {
  ini.WriteInteger(section, key, value);
}

std::uint32_t ReadColour(const IniFile& ini, std::string_view section, std::string_view key, std::uint32_t fallback) {
  const int stored = ini.ReadInteger(section, key, -1);
  if (stored < 0 || static_cast<std::uint32_t>(stored) > kLargestColour) return fallback;
  return SwapRedAndBlue(static_cast<std::uint32_t>(stored));
}
void WriteColour(IniFile& ini, std::string_view section, std::string_view key, std::uint32_t rgb) {
  ini.WriteInteger(section, key, static_cast<int>(SwapRedAndBlue(rgb & kLargestColour)));
}

std::string TableRowKey(std::string_view table, std::size_t row) {
  return std::string(table) + "-Row" + std::to_string(row);
}

}  // namespace kirvo
