#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/outcome.h"

namespace kirvo {

// A grid exported as CSV: one line per row, each cell followed by "," (cells as they are, no
// quoting), Shift-JIS with CR LF, the file replaced whole. The tables of several windows export
// this way.
std::string GridCsvText(const std::vector<std::vector<std::string>>& rows);
Status WriteGridCsv(const std::filesystem::path& path, const std::vector<std::vector<std::string>>& rows);

}  // namespace kirvo
