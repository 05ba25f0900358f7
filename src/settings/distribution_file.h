#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/outcome.h"
#include "settings/text_table.h"

namespace kirvo {

// A hidden-stem distribution file (*.zou): one line per row of `ZSG` (rows 0..12), each line the
// row's cells in column order, every cell followed by ","; Shift-JIS with CR LF line ends.

// The file's text (UTF-8, "\n" line ends) for a table.
std::string DistributionFileText(const TextTable& zsg);

// Takes line n of `utf8` into row n. A file shorter than the table leaves the remaining rows as
// they are; lines past the table's rows are ignored.
void ApplyDistributionFileText(std::string_view utf8, TextTable& zsg);

// Reads a distribution file into `zsg`. A file that can't be read or decoded is an error and
// leaves the table unchanged.
Status LoadDistributionFile(const std::filesystem::path& path, TextTable& zsg);

// Writes `zsg` whole, atomically; an error leaves the old file.
Status SaveDistributionFile(const std::filesystem::path& path, const TextTable& zsg);

}  // namespace kirvo
