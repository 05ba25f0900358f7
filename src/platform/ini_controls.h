#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace kirvo {

// Window settings kept as control values: one key per control, named by the control, in the
// section named after the window; every value a decimal integer except edit texts and table rows.
// A missing or unreadable key gives the fallback, so a control keeps its designed state.

// Check box: written 1 or 0; any non-zero integer reads as checked.
bool ReadCheckBox(const IniFile& ini, std::string_view section, std::string_view key, bool fallback);
void WriteCheckBox(IniFile& ini, std::string_view section, std::string_view key, bool checked);

// Edit field: its text as typed.
std::string ReadEditText(const IniFile& ini, std::string_view section, std::string_view key, std::string_view fallback);
void WriteEditText(IniFile& ini, std::string_view section, std::string_view key, std::string_view text);

// Drop-down list or radio group: the zero-based index of the chosen item.
int ReadItemIndex(const IniFile& ini, std::string_view section, std::string_view key, int fallback);
void WriteItemIndex(IniFile& ini, std::string_view section, std::string_view key, int index);

// Multi-choice check group: bit k set when item k is checked.
std::uint32_t ReadBitSet(const IniFile& ini, std::string_view section, std::string_view key, std::uint32_t fallback);
void WriteBitSet(IniFile& ini, std::string_view section, std::string_view key, std::uint32_t bits);

// Slider position or number spinner value.
int ReadNumber(const IniFile& ini, std::string_view section, std::string_view key, int fallback);
void WriteNumber(IniFile& ini, std::string_view section, std::string_view key, int value);

// Panel colour, 0xRRGGBB in memory. The files store red + 256 × green + 65536 × blue (red in the
// low byte), the order the program's settings files have always used; a stored value outside
// 0..0xFFFFFF is not a colour and gives the fallback.
std::uint32_t ReadColour(const IniFile& ini, std::string_view section, std::string_view key, std::uint32_t fallback);
void WriteColour(IniFile& ini, std::string_view section, std::string_view key, std::uint32_t rgb);

// The key of table row `row`: the table's name, "-Row" and the decimal row number ("ZSG-Row3").
std::string TableRowKey(std::string_view table, std::size_t row);

}  // namespace kirvo
