#pragma once

#include <string_view>

#include "platform/ini_controls.h"
#include "platform/ini_file.h"
#include "settings/text_table.h"

namespace kirvo {

// Table: one key per row 0..rows-1, each holding every cell of the row followed by ",". Reading
// fills every row of `table` (its size is kept); a missing row key empties that row.
void ReadTable(const IniFile& ini, std::string_view section, std::string_view table_key, TextTable& table);
void WriteTable(IniFile& ini, std::string_view section, std::string_view table_key, const TextTable& table);

}  // namespace kirvo
